#include "shell/outsideworld.h"

#include "screens/kit/appcontext.h"
#include "shell/startup.h"

#include <QDesktopServices>

void OutsideWorld::wire(AppContext &ctx, const QString &dataFolder, Dialogs &dialogs)
{
    ctx.data = DataFolder(dataFolder);
    ctx.dialogs = &dialogs;
    ctx.random = &random_;
    ctx.speech = &speech_;
    ctx.printers = &printers_;
    ctx.openUrl = [](const QUrl &url) { return QDesktopServices::openUrl(url); };
    ctx.homePage = findShippedPath(QStringLiteral("homepage/index.html"));
}
