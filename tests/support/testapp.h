#pragma once
// The whole program on a temporary data folder, with scripted dialogs and random numbers:
// what a screen test drives.
#include "fakes.h"
#include "recordingprinter.h"
#include "screens/kit/appcontext.h"
#include "screens/kit/navigator.h"
#include "screens/kit/screen.h"
#include "testcourse.h"

#include <QUrl>
#include <memory>

class TestApp {
public:
    TestApp(); // writes the standard course
    explicit TestApp(bool standardCourse);
    ~TestApp(); // closes every screen that is still open

    TestCourse course;
    ScriptedDialogs dialogs;
    SequenceRandom random;
    RecordingSpeech speech;
    RecordingPrinter printer; // every screen test prints here unless it sets ctx.printers
    AppContext ctx;
    QList<QUrl> openedUrls;
    bool urlOpenSucceeds = true;

    // The chapter names of the standard course in memory, as the menu reads them from LVNAME.
    void nameChapters();
    Screen *start(ScreenId id);  // shows a screen as the program would (after showTitleLines of the menu)
    Screen *current() const;     // the screen shown now
    template <class T> T *currentAs() const { return qobject_cast<T *>(current()); }
    // Lets closed screens go (they are deleted later); returns the number of visible top-level screens.
    int visibleScreens() const;
    static void settle();

private:
    std::unique_ptr<Navigator> navigator_;
};
