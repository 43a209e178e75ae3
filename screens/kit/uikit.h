#pragma once
// Small building blocks the screens share: labels that know their colours and take
// clicks, and panels of one colour.
#include "rules/screenid.h"

#include <QColor>
#include <QLabel>
#include <QList>
#include <QPushButton>

#include <initializer_list>

class QFont;

// A label with text and background colour that reports clicks and double clicks.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget *parent = nullptr);
    ClickLabel(const QString &text, QWidget *parent);
    // Its colours from the start: a screen builds dozens of labels, and each palette set costs.
    ClickLabel(const QString &text, const QColor &textColour, const QColor &background, QWidget *parent);

    void setColours(const QColor &text, const QColor &background);
    void setTextColour(const QColor &text);
    void setBackground(const QColor &background);
    QColor textColour() const { return text_; }
    QColor background() const { return background_; }

signals:
    void clicked();
    void doubleClicked();
    void pressed();
    void released();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void applyColours();
    bool endingDoubleClick_ = false; // the release after a double click is not a click of its own
    QColor text_ = Qt::black;
    QColor background_ = Qt::transparent;
};

// A plain rectangle of one colour (a picture box used as a panel or a signal strip).
class Panel : public QWidget {
    Q_OBJECT
public:
    explicit Panel(QWidget *parent = nullptr, const QColor &colour = Qt::black);
    void setColour(const QColor &colour);
    QColor colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor colour_;
};

// A push button whose caption wraps onto several lines when it is wider than the button.
class WrapButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
protected:
    void paintEvent(QPaintEvent *event) override;
};

// Shorthands for the fixed layouts of the screens (pixels).
ClickLabel *addLabel(QWidget *parent, const QString &text, const QRect &geometry, const QFont &font,
                     const QColor &textColour, const QColor &background = Qt::transparent);
QPushButton *addButton(QWidget *parent, const QString &caption, const QRect &geometry, const QFont &font);
// The bar of buttons that lead back to the screens given, left to right: "問題選択画面に戻る",
// "項目選択画面に戻る", "MENUに戻る". The first stands at `first`, each next one `step` further right.
QList<QPushButton *> addReturnBar(QWidget *parent, std::initializer_list<ScreenId> targets, const QRect &first, int step,
                                  const QFont &font);
// The window background of a screen.
void setWindowColour(QWidget *window, const QColor &colour);
