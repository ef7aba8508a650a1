#pragma once
// Whole data files of a course folder that several computers and several
// accounts share: read only when they are regular files of a sane size, and
// replaced crash-safely with the mode and group the folder's users need.
#include <QByteArray>
#include <QString>

namespace larendo::platform {

// The largest data file read whole; a larger one is refused, never read.
inline constexpr qint64 kDataFileLimit = 64LL * 1024 * 1024;

struct FileRead {
    enum Status {
        Ok,
        Missing,    // nothing at the path
        Refused,    // not a regular file, or larger than the limit; reason says which
        Unreadable, // a regular file that could not be opened or read; reason is the system's
    } status = Missing;
    QByteArray bytes;
    QString reason;
};

// Reads a whole file. Never opens a device, FIFO or folder, and never reads
// more than the limit.
FileRead readDataFile(const QString &fullPath);

// The Russian text for a file that is there but refused.
QString refusalMessage(const QString &fullPath, const QString &reason);

// Replaces a file crash-safely (a temporary beside it, then a rename). The
// replacement keeps the mode and group of the file it replaces; a new file is
// readable and writable by the folder's group when the folder is writable by
// it. Where the folder is sticky and the file belongs to another account (a
// rename is refused there), the file is rewritten in place. On failure gives
// false and the system's reason; the file is then as it was.
bool replaceFile(const QString &fullPath, const QByteArray &content, QString *reason = nullptr);

// Mode and group for a file about to be created in a folder, as replaceFile
// gives them; for writers that create files by other means (appending).
void adoptFolderMode(int fd, const QString &fullPath);

} // namespace larendo::platform
