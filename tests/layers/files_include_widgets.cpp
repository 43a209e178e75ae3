// Wrong way: a file of the data layer that includes a header of the forms (widgets).
#include "files/datafolder.h"
#include "screens/kit/uikit.h"

QString probeWrongWay(const DataFolder &folder)
{
    return folder.root();
}
