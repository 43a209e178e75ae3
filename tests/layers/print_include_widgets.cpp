// Wrong way: a printed sheet that includes a header of the forms (widgets).
#include "print/printjob.h"
#include "screens/kit/uikit.h"

void probeWrongWay(PrintJob &job)
{
    job.newPage();
}
