#pragma once
// What happens before the first screen: the Japanese standard dialogs, where the program's
// own files lie, and the learner's data folder "E1" in the working directory.
#include <QString>

#include <functional>

class Dialogs;
class QApplication;
class QDateTime;
class QLockFile;
class QObject;

// Qt's own Japanese texts for the standard dialogs (OK, キャンセル, ...).
void loadJapaneseTranslations(QApplication &app);

// A file or folder that ships with the program, beside it in the build tree or under
// share/eitango in an installed tree (the program in bin/ or libexec/eitango/); empty when not found.
QString findShippedPath(const QString &relative);

// Copies the bundled course into the folder `target` (which must not exist yet). The copy
// is made in a temporary folder beside it and renamed when complete, so that a failed copy
// leaves nothing half-made. Returns an empty text or a Japanese message.
QString setUpCourse(const QString &bundledE1, const QString &target);

// The data folder of the working directory: true when it is there (or was set up now),
// false when the learner chose to quit or it could not be set up.
bool ensureDataFolder(Dialogs &dialogs, const QString &dataFolder);

// The lock file that keeps a data folder to one copy of the program at a time.
QString dataFolderLockPath(const QString &dataFolder);

// Takes the data folder for this copy of the program: locks it (a lock left by a copy that
// ended without unlocking, in a crash or a power cut, is taken over), then removes what saves
// cut off before `startedAt` left behind. False, after telling the learner, only when a copy
// of the program that runs now has the folder open; the second start also asks that copy to
// bring its window forward. A lock that cannot be taken otherwise (a read-only folder, a
// crash's lock that cannot be removed, a folder or an unreadable file in its place) leaves
// the folder used unlocked; where the learner could remove what is in the way, it is named.
bool claimDataFolder(Dialogs &dialogs, const QString &dataFolder, QLockFile &lock, const QDateTime &startedAt);
// The same without the removal, which the program makes once its first window is drawn:
// the removal spares whatever is newer than the start, so it may come at any time.
bool lockDataFolder(Dialogs &dialogs, const QString &dataFolder, QLockFile &lock);

// The side of the copy that has the folder open: `bringForward` runs whenever a second start
// on the folder asks. Null when the system offers no local socket for it.
QObject *listenForSecondStarts(const QString &dataFolder, QObject *parent, std::function<void()> bringForward);
