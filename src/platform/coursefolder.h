#pragma once
// The course folder the program works in, chosen once at start-up. In order:
// the folder named as the one command-line argument; the current directory
// when it is a course folder; otherwise the user's own course folder, made on
// first start as a copy of the installed course. The chosen folder becomes the
// current directory, so every data path (dataPath) is formed from it.
#include <QString>
#include <QStringList>

namespace larendo::platform {

// A course folder holds a "data" folder, in any letter case.
bool isCourseFolder(const QString &folder);

// Where the choice looks.
struct CourseFolderPlaces {
    QString currentDirectory;
    QString userCourse;    // the user's own course folder; may not exist yet
    QString bundledCourse; // the installed course: read-only, only ever copied
};

struct CourseFolderChoice {
    QString folder;            // absolute; empty when refused
    bool makeUserCopy = false; // folder is the user's course folder and does not exist yet
    QString error;             // in Russian, naming the folder; empty when a folder is chosen
};

// The places of this installation: the current directory, "course" in the
// user's data directory, and share/larendo/course beside the program's folder.
CourseFolderPlaces installedPlaces();

// Chooses from the arguments (without the program's name); only looks at the disk.
CourseFolderChoice chooseCourseFolder(const QStringList &arguments, const CourseFolderPlaces &places);

// Copies a course folder to a new folder to, every file writable by its owner.
// The folder appears whole or not at all. Raises PlatformError.
void copyCourse(const QString &from, const QString &to);

// Chooses, makes the user's copy when it is needed, and makes the chosen folder
// the current directory. A refusal writes nothing and leaves the current
// directory as it was.
CourseFolderChoice enterCourseFolder(const QStringList &arguments, const CourseFolderPlaces &places);

} // namespace larendo::platform
