// Wrong way: a screen that includes the start-up of the app shell.
#include "screens/kit/screen.h"
#include "shell/startup.h"

QString probeWrongWay()
{
    return findShippedPath(QStringLiteral("course"));
}
