// Wrong way: a screen's rules that include the screen base (a widget).
#include "rules/results/scoresheet.h"
#include "screens/kit/screen.h"

int probeWrongWay(const ScoreSheet &sheet)
{
    return sheet.SheetKind;
}
