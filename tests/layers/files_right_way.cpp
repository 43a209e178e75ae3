// A file of the data layer that includes what the data layer may: Qt Core and its own headers.
#include "content/datafolder.h"
#include "content/scores.h"

#include <QDir>

QString probeRightWay(const DataFolder &folder)
{
    return QDir(folder.root()).absolutePath();
}
