#pragma once
// What a screen needs of the navigator: to hand over to the next screen. A screen knows
// only this; the navigator, which creates and closes screens, implements it.
#include "rules/screenid.h"

class Screen;

class HandOver {
public:
    // Shows target, then closes source; the screen shown.
    virtual Screen *handOver(Screen *source, ScreenId target) = 0;

protected:
    ~HandOver() = default;
};
