// Wrong way: a file of the data layer that includes a rules header that needs no more than
// Qt Core, as the data layer does.
#include "files/datafolder.h"
#include "rules/tests/testrun.h"

int probeWrongWay(TestRun &run)
{
    return run.computeScore();
}
