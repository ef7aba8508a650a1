#pragma once
// Data paths. The course folder comes from Windows: paths are written with
// backslashes and file names in any letter case. Every data path of the
// program is formed here, from the current directory: at start-up the program
// makes its course folder the current directory (coursefolder.h).
#include <QByteArray>
#include <QString>

namespace larendo::platform {

// Joins the current directory (read at the moment of the call) and a path in
// Windows-1251 as the program holds it:
//   "\data\x.ini"  -> current directory followed by the path,
//   "data\x.ini"   -> current directory, a separator, the path,
//   "/abs/x.ini"   -> the absolute path itself.
// Backslashes become the native separator. Each component that does not exist
// under its exact name is matched against its folder's entries without regard
// to letter case (Latin and Cyrillic); one that matches nothing is kept as
// written, so a file about to be created gets the name the caller gave.
QString dataPath(const QByteArray &path);

// The same for a path held as Unicode text (typed by a user).
QString dataPath(const QString &path);

// Resolves an existing-or-new native path component by component as above.
QString resolveIgnoringCase(const QString &nativePath);

} // namespace larendo::platform
