#pragma once
// The base of every screen: a window that hands over to the next screen through the
// navigator and sees every key before its controls do.
#include "app/appcontext.h"
#include "app/screenid.h"

#include <QPointer>
#include <QWidget>

class QKeyEvent;

class Screen : public QWidget {
    Q_OBJECT
public:
    Screen(AppContext &ctx, ScreenId id);
    ~Screen() override;

    ScreenId id() const { return id_; }

protected:
    // Show the target screen (created afresh), then close this one.
    void handOver(ScreenId target);

    // A message box the learner gets as soon as the screen shows (what its load found wrong
    // with the data files); several calls add lines to the one message.
    void tellWhenShown(const QString &text, const QString &title);
    void showEvent(QShowEvent *event) override;

    // Keys pressed anywhere in this screen arrive here first; return true to swallow the key.
    virtual bool previewKeyPress(QKeyEvent *) { return false; }
    virtual bool previewKeyRelease(QKeyEvent *) { return false; }

    bool eventFilter(QObject *watched, QEvent *event) override;

    AppContext &ctx;
    Module1 &M;

private:
    ScreenId id_;
    QString toTell_;
    QString toTellTitle_;
    const QEvent *lastKeyEvent_ = nullptr;
    int lastKeyType_ = 0;
    QPointer<QWidget> lastKeyReceiver_;
};
