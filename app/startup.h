#pragma once
// What happens before the first screen: the Japanese standard dialogs, where the program's
// own files lie, and the learner's data folder "E1" in the working directory.
#include <QString>

class Dialogs;
class QApplication;

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
