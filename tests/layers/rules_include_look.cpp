// Wrong way: a screen's rules that include the colours of the look layer.
#include "look/palette.h"
#include "rules/sharedstate.h"

QColor probeWrongWay()
{
    return paletteColour(0);
}
