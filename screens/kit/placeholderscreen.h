#pragma once
// Stands in for a screen that is not built yet: says so and offers the way back.
#include "screens/kit/screen.h"

class QPushButton;

class PlaceholderScreen : public Screen {
    Q_OBJECT
public:
    PlaceholderScreen(AppContext &ctx, ScreenId id, const QString &caption);
    QPushButton *backButton;
};
