#include "screens/kit/screen.h"

#include "screens/kit/dialogs.h"
#include "screens/kit/handover.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

Screen::Screen(AppContext &context, ScreenId id) : ctx(context), M(context.state), id_(id)
{
    setAttribute(Qt::WA_DeleteOnClose);
    qApp->installEventFilter(this);
}

Screen::~Screen()
{
    qApp->removeEventFilter(this);
}

void Screen::handOver(ScreenId target)
{
    ctx.navigator->handOver(this, target);
}

void Screen::closeHandedOver()
{
    handedOver_ = true;
    close();
}

void Screen::closeEvent(QCloseEvent *event)
{
    if (!handedOver_ && !windowClosing()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void Screen::tellWhenShown(const QString &text, const QString &title)
{
    if (text.isEmpty())
        return;
    toTell_ += (toTell_.isEmpty() ? QString() : QStringLiteral("\n")) + text;
    toTellTitle_ = title;
}

void Screen::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (toTell_.isEmpty() || !ctx.dialogs)
        return;
    const QString text = std::exchange(toTell_, QString());
    ctx.dialogs->inform(this, text, toTellTitle_);
}

bool Screen::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != this)
        return false;
    // An unused key travels on from the widget that got it to its parents, through this
    // filter each time: the screen sees it once, at the first receiver. Key events are often
    // made at the same address one after the other; a press and a release come in turn, so
    // an event of the other kind in between shows that this one is new.
    if (event == lastKeyEvent_ && type == lastKeyType_ && lastKeyReceiver_ && lastKeyReceiver_ != widget
        && widget->isAncestorOf(lastKeyReceiver_))
        return false;
    lastKeyEvent_ = event;
    lastKeyType_ = type;
    lastKeyReceiver_ = widget;
    auto *key = static_cast<QKeyEvent *>(event);
    return type == QEvent::KeyPress ? previewKeyPress(key) : previewKeyRelease(key);
}
