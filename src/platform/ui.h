#pragma once
// What the program takes from the desktop: message boxes, the default error
// handler, the open-file dialog and starting an outside program. Each goes
// through a function that a test can replace, so no test blocks on a window.
#include "error.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <exception>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace larendo::platform {

// Caption of the default error box.
inline const QString kApplicationTitle = QStringLiteral("Ларендо");

enum class MessageKind { Warning, Error, Information };
enum class MessageButtons { Ok, OkCancel };
enum class MessageAnswer { Ok, Cancel };

struct Message {
    MessageKind kind = MessageKind::Information;
    QString caption;
    QString text;
    MessageButtons buttons = MessageButtons::Ok;
};

using MessageHandler = std::function<MessageAnswer(QWidget *parent, const Message &)>;

MessageAnswer showMessage(QWidget *parent, const Message &message);
void setMessageHandler(MessageHandler handler); // empty restores the real boxes

// The default error handler: an error box titled with the application's
// title, a stop icon, OK, and the text with a full stop added.
void reportError(const QString &message);

// Runs an event handler so that no exception crosses the event loop: an error
// ends the handler and is shown by the default error handler.
template <typename F>
void guarded(F &&handler)
{
    try {
        handler();
    } catch (const PlatformError &e) {
        reportError(e.message());
    } catch (const std::exception &e) {
        reportError(QString::fromLocal8Bit(e.what()));
    }
}

// Connects a signal to an event handler that runs under the default error handler.
template <typename Sender, typename Signal, typename Handler>
void onSignal(Sender *sender, Signal signal, QObject *context, Handler handler)
{
    QObject::connect(sender, signal, context, [handler] { guarded(handler); });
}

// A box with one OK button, captioned by its kind: "Warning", "Error" or "Information".
void showBox(QWidget *parent, MessageKind kind, const QString &text);

// The open-file dialog: no filter, no initial folder, a name that does not
// exist is accepted. Confirming a file makes its folder the current directory.
using FileDialogHandler = std::function<std::optional<QString>(QWidget *parent)>;
std::optional<QString> chooseFileToOpen(QWidget *parent);
void setFileDialogHandler(FileDialogHandler handler);

// A file dialog for one errand, opening an existing file or naming one to
// save (the dialog asks before an existing one is replaced). It leaves the
// current directory where it is.
enum class FileDialogKind { Open, Save };
struct FileRequest {
    FileDialogKind kind = FileDialogKind::Open;
    QString caption;
    QString suggested; // a folder, or a full file name to start with
    QString filter;    // e.g. "Файлы CSV (*.csv)"; empty for every file
};
using FileRequestHandler = std::function<std::optional<QString>(QWidget *parent, const FileRequest &request)>;
std::optional<QString> chooseFile(QWidget *parent, const FileRequest &request);
void setFileRequestHandler(FileRequestHandler handler); // empty restores the real dialog

// The system's print dialog for printer (a printer, or a PDF file); true when
// the user chose to print.
using PrintDialogHandler = std::function<bool(QWidget *parent, QPrinter &printer)>;
bool choosePrinter(QWidget *parent, QPrinter &printer);
void setPrintDialogHandler(PrintDialogHandler handler); // empty restores the real dialog

// Starts a program from a command line and returns at once; failures are
// silent. Where the program the line names is missing, a document named after
// its switch is opened in an installed presentation program in show mode, or
// by the desktop's handler for the file.
using ProgramStarter = std::function<void(const QByteArray &commandLine)>;
void startProgram(const QByteArray &commandLine);
void setProgramStarter(ProgramStarter starter);

// While a change waits for the lock of a shared file, the windows keep
// painting (input waits), and after half a second the cursor shows that the
// program is busy. A wait that makes no progress for a minute ends in the
// error box, by the lock's own error.
void installLockWaitFeedback();

// The document of a command line "program /switch document" (empty when none).
QByteArray documentOfCommandLine(const QByteArray &commandLine);

} // namespace larendo::platform
