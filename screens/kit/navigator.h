#pragma once
// The one place where screens hand over: the target is created afresh and shown, then
// the source closes and its own state is gone. One window at a time; closing the shown
// window ends the program.
#include "rules/screenid.h"
#include "screens/kit/handover.h"

#include <QObject>
#include <QPointer>
#include <functional>

struct AppContext;
class Screen;

using ScreenFactory = std::function<Screen *(ScreenId, AppContext &)>;

class Navigator : public QObject, public HandOver {
    Q_OBJECT
public:
    Navigator(AppContext &ctx, ScreenFactory factory);

    // Creates and shows the first screen.
    Screen *start(ScreenId first);
    // Shows target, then closes source. What the hand-over resets of the shared state is
    // in one table (navigator.cpp), by the screen it comes from and the one it goes to.
    Screen *handOver(Screen *source, ScreenId target) override;

    Screen *current() const;

signals:
    void screenShown(Screen *screen);

private:
    AppContext &ctx_;
    ScreenFactory factory_;
    QPointer<Screen> current_;
};
