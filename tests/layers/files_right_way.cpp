// A file of the data layer that includes what the data layer may: Qt Core and its own headers.
#include "files/datafolder.h"
#include "files/scores.h"

#include <QDir>

QString probeRightWay(const DataFolder &folder)
{
    return QDir(folder.root()).absolutePath();
}
