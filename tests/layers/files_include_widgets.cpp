// Wrong way: a file of the data layer that includes a header of the forms (widgets).
#include "content/datafolder.h"
#include "app/uikit.h"

QString probeWrongWay(const DataFolder &folder)
{
    return folder.root();
}
