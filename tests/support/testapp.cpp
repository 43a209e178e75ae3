#include "testapp.h"

#include "look/fonts.h"
#include "shell/screenfactory.h"

#include <QApplication>
#include <QCoreApplication>

TestApp::TestApp() : TestApp(true) {}

TestApp::TestApp(bool standardCourse)
{
    static bool fontsReady = false;
    if (!fontsReady) {
        fonts::install();
        fontsReady = true;
    }
    if (standardCourse)
        course.writeStandard();
    ctx.data = course.folder();
    ctx.dialogs = &dialogs;
    ctx.random = &random;
    ctx.speech = &speech;
    ctx.printers = &printer;
    ctx.openUrl = [this](const QUrl &url) {
        openedUrls.append(url);
        return urlOpenSucceeds;
    };
    fillTestCatalogue(ctx.state);
    navigator_ = std::make_unique<Navigator>(ctx, createScreen);
}

TestApp::~TestApp()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (qobject_cast<Screen *>(w))
            delete w;
    }
}

Screen *TestApp::start(ScreenId id)
{
    return navigator_->start(id);
}

Screen *TestApp::current() const
{
    return navigator_->current();
}

void TestApp::nameChapters()
{
    for (int n = 1; n <= 60; ++n)
        ctx.state.chapterNames[size_t(n - 1)] = TestCourse::standardName(n);
}

void TestApp::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

int TestApp::visibleScreens() const
{
    settle();
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        n += qobject_cast<Screen *>(w) && w->isVisible();
    return n;
}
