#pragma once
// The calendar of the last 12 weeks: a column a week, Monday at the top, each day a square
// shaded by its number of answers. The arrow keys move between the days; the day chosen is
// the widget's accessible name, so that a screen reader says it, and each square's tooltip.
#include "rules/record/recordsummary.h"

#include <QWidget>

class CalendarView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSquare = 20;
    static constexpr int kPitch = 24;
    static constexpr int kLabelWidth = 24; // the weekday names
    static constexpr int kHeadHeight = 18; // the months

    explicit CalendarView(QWidget *parent);
    void setCalendar(const StudyCalendar &calendar);

    QDate chosenDay() const { return chosen_; }
    // "12月8日（火）45問": what the day's square says.
    QString dayText(QDate day) const;
    // The shade of a number of answers: none, then four steps up to the busiest day.
    static int shadeOf(int answers, int busiest);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;

private:
    QRect squareOf(QDate day) const;
    QDate dayAt(QPoint point) const;
    void choose(QDate day);

    StudyCalendar calendar_;
    QDate chosen_;
};
