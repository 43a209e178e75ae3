#include "look/fonts.h"
#include "screens/kit/appcontext.h"
#include "screens/kit/dialogs.h"
#include "screens/kit/navigator.h"
#include "screens/kit/screen.h"
#include "shell/firstscreenwarmup.h"
#include "shell/outsideworld.h"
#include "shell/screenfactory.h"
#include "shell/startup.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QLockFile>
#include <QTimer>

int main(int argc, char *argv[])
{
    FirstScreenWarmUp warmUp;
    const QDateTime started = QDateTime::currentDateTime();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("eitango"));
    fonts::install();
    loadJapaneseTranslations(app);

    QtDialogs dialogs;
    const QString dataFolder = QDir::current().filePath(QStringLiteral("E1"));
    if (!ensureDataFolder(dialogs, dataFolder))
        return 1;
    QLockFile lock(dataFolderLockPath(dataFolder));
    if (!lockDataFolder(dialogs, dataFolder, lock))
        return 1;

    OutsideWorld world;
    AppContext ctx;
    world.wire(ctx, dataFolder, dialogs);

    Navigator navigator(ctx, createScreen);
    listenForSecondStarts(dataFolder, &app, [&navigator] {
        if (Screen *shown = navigator.current()) {
            shown->showNormal();
            shown->raise();
            shown->activateWindow();
        }
    });
    navigator.start(ScreenId::Help);
    // What cut-off saves left behind goes once the help screen is up.
    QTimer::singleShot(1000, &app, [dataFolder, started] { DataFolder(dataFolder).sweepLeftovers(started); });
    warmUp.finish(); // the first screen is drawn next
    return app.exec();
}
