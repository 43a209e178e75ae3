#pragma once
// Every screen of the program by its id: what the navigator is given to create them.
#include "rules/screenid.h"

struct AppContext;
class Screen;

Screen *createScreen(ScreenId id, AppContext &ctx);
