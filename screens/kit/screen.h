#pragma once
// The base of every screen: a window that hands over to the next screen through the
// navigator and sees every key before its controls do.
#include "rules/screenid.h"
#include "screens/kit/appcontext.h"

#include <QPointer>
#include <QWidget>

class QKeyEvent;

class Screen : public QWidget {
    Q_OBJECT
public:
    Screen(AppContext &ctx, ScreenId id);
    ~Screen() override;

    ScreenId id() const { return id_; }

    // Closes the screen the navigator has just handed over from: a plain close, without what
    // closing the window by hand asks for.
    void closeHandedOver();

protected:
    // Show the target screen (created afresh), then close this one.
    void handOver(ScreenId target);

    // A message box the learner gets as soon as the screen shows (what its load found wrong
    // with the data files); several calls add lines to the one message.
    void tellWhenShown(const QString &text, const QString &title);
    void showEvent(QShowEvent *event) override;

    // The learner closes the window itself (its close button, or the end of the desktop
    // session), which ends the program: the screen finishes what must not be lost first.
    // False keeps the window open.
    virtual bool windowClosing() { return true; }
    void closeEvent(QCloseEvent *event) override;

    // Keys pressed anywhere in this screen arrive here first; return true to swallow the key.
    virtual bool previewKeyPress(QKeyEvent *) { return false; }
    virtual bool previewKeyRelease(QKeyEvent *) { return false; }

    bool eventFilter(QObject *watched, QEvent *event) override;

    AppContext &ctx;
    SharedState &M;

private:
    ScreenId id_;
    bool handedOver_ = false;
    QString toTell_;
    QString toTellTitle_;
    const QEvent *lastKeyEvent_ = nullptr;
    int lastKeyType_ = 0;
    QPointer<QWidget> lastKeyReceiver_;
};
