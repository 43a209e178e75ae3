// Wrong way: a screen's rules that include the screen base (a widget).
#include "screens/results/scoresheet.h"
#include "app/screen.h"

int probeWrongWay(const ScoreSheet &sheet)
{
    return sheet.SheetKind;
}
