#include "screens/kit/uikit.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <utility>

ClickLabel::ClickLabel(QWidget *parent) : QLabel(parent) { applyColours(); }

ClickLabel::ClickLabel(const QString &text, QWidget *parent) : QLabel(text, parent) { applyColours(); }

ClickLabel::ClickLabel(const QString &text, const QColor &textColour, const QColor &background, QWidget *parent)
    : QLabel(text, parent), text_(textColour), background_(background)
{
    applyColours();
}

void ClickLabel::setColours(const QColor &text, const QColor &background)
{
    text_ = text;
    background_ = background;
    applyColours();
}

void ClickLabel::setTextColour(const QColor &text)
{
    text_ = text;
    applyColours();
}

void ClickLabel::setBackground(const QColor &background)
{
    background_ = background;
    applyColours();
}

void ClickLabel::applyColours()
{
    // Screens set the colours of many labels over and over (a cursor moving over 60 chapters);
    // a palette change costs a resolve and an update, so one that changes nothing is skipped.
    const bool fill = background_.alpha() != 0;
    if (testAttribute(Qt::WA_SetPalette) && palette().color(QPalette::WindowText) == text_
        && palette().color(QPalette::Window) == background_ && autoFillBackground() == fill)
        return;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, text_);
    p.setColor(QPalette::Window, background_);
    setPalette(p);
    setAutoFillBackground(fill);
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit pressed();
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        emit released();
        // A double click reads as click, double click (as the screens expect): the release
        // that ends it does not click again, which would act on what the double click showed.
        const bool endsDoubleClick = std::exchange(endingDoubleClick_, false);
        if (!endsDoubleClick && rect().contains(event->position().toPoint()))
            emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        endingDoubleClick_ = true;
        emit doubleClicked();
    }
    QLabel::mouseDoubleClickEvent(event);
}

Panel::Panel(QWidget *parent, const QColor &colour) : QWidget(parent), colour_(colour) {}

void Panel::setColour(const QColor &colour)
{
    colour_ = colour;
    update();
}

void Panel::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), colour_);
}

void WrapButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap | Qt::TextWrapAnywhere, text());
}

ClickLabel *addLabel(QWidget *parent, const QString &text, const QRect &geometry, const QFont &font,
                     const QColor &textColour, const QColor &background)
{
    auto *label = new ClickLabel(text, textColour, background, parent);
    label->setFont(font);
    label->setGeometry(geometry);
    return label;
}

QPushButton *addButton(QWidget *parent, const QString &caption, const QRect &geometry, const QFont &font)
{
    auto *button = new QPushButton(caption, parent);
    button->setFont(font);
    button->setGeometry(geometry);
    return button;
}

QList<QPushButton *> addReturnBar(QWidget *parent, std::initializer_list<ScreenId> targets, const QRect &first, int step,
                                  const QFont &font)
{
    QList<QPushButton *> bar;
    for (const ScreenId target : targets) {
        const QString caption = target == ScreenId::QuestionSelect ? QStringLiteral("問題選択画面に戻る")
                                : target == ScreenId::ChapterSelect ? QStringLiteral("項目選択画面に戻る")
                                                                     : QStringLiteral("MENUに戻る");
        bar.append(addButton(parent, caption, first.translated(int(bar.size()) * step, 0), font));
    }
    return bar;
}

void setWindowColour(QWidget *window, const QColor &colour)
{
    QPalette p = window->palette();
    p.setColor(QPalette::Window, colour);
    window->setPalette(p);
    window->setAutoFillBackground(true);
}
