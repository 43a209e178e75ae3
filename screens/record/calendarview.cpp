#include "screens/record/calendarview.h"

#include "look/fonts.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>

namespace {
const QString kWeekdays[] = {QStringLiteral("月"), QStringLiteral("火"), QStringLiteral("水"), QStringLiteral("木"),
                             QStringLiteral("金"), QStringLiteral("土"), QStringLiteral("日")};
// From no answers to the busiest day: the dark grey of the panels, then greens to the palette's.
const QColor kShades[] = {QColor(64, 64, 64), QColor(0, 80, 0), QColor(0, 128, 0), QColor(0, 192, 0),
                          QColor(0, 255, 0)};
} // namespace

CalendarView::CalendarView(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(kLabelWidth + StudyCalendar::kWeeks * kPitch, kHeadHeight + 7 * kPitch);
    setAccessibleDescription(QStringLiteral("最近12週間の学習のカレンダー。矢印キーで日を選びます。"));
}

void CalendarView::setCalendar(const StudyCalendar &calendar)
{
    calendar_ = calendar;
    choose(calendar.today);
    update();
}

int CalendarView::shadeOf(int answers, int busiest)
{
    if (answers <= 0 || busiest <= 0)
        return 0;
    return std::clamp(1 + (answers - 1) * 4 / busiest, 1, 4);
}

QString CalendarView::dayText(QDate day) const
{
    return QStringLiteral("%1月%2日（%3）%4問")
        .arg(day.month())
        .arg(day.day())
        .arg(kWeekdays[day.dayOfWeek() - 1])
        .arg(calendar_.answersOn(day));
}

QRect CalendarView::squareOf(QDate day) const
{
    const qint64 i = calendar_.firstDay.daysTo(day);
    return {kLabelWidth + int(i / 7) * kPitch, kHeadHeight + int(i % 7) * kPitch, kSquare, kSquare};
}

QDate CalendarView::dayAt(QPoint p) const
{
    const int week = (p.x() - kLabelWidth) / kPitch;
    const int weekday = (p.y() - kHeadHeight) / kPitch;
    if (p.x() < kLabelWidth || p.y() < kHeadHeight || week >= StudyCalendar::kWeeks || weekday >= 7)
        return {};
    const QDate day = calendar_.firstDay.addDays(week * 7 + weekday);
    return day <= calendar_.today ? day : QDate();
}

void CalendarView::choose(QDate day)
{
    if (!day.isValid() || day < calendar_.firstDay || day > calendar_.today)
        return;
    chosen_ = day;
    setAccessibleName(dayText(day));
    update();
}

void CalendarView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setFont(fonts::font(fonts::PGothic, 8));
    p.setPen(Qt::white);
    for (int d = 0; d < 7; d += 2)
        p.drawText(QRect(0, kHeadHeight + d * kPitch, kLabelWidth - 4, kSquare), Qt::AlignVCenter | Qt::AlignRight,
                   kWeekdays[d]);
    const int busiest = calendar_.busiestDay();
    for (int i = 0; i < StudyCalendar::kDays; ++i) {
        const QDate day = calendar_.firstDay.addDays(i);
        if (day > calendar_.today)
            break;
        if (i % 7 == 0 && (i == 0 || day.day() <= 7)) { // the month where it begins
            p.setPen(Qt::white);
            p.drawText(QPoint(kLabelWidth + (i / 7) * kPitch, kHeadHeight - 5), QStringLiteral("%1月").arg(day.month()));
        }
        const QRect square = squareOf(day);
        p.fillRect(square, kShades[shadeOf(calendar_.answersOn(day), busiest)]);
        if (day == calendar_.today)
            p.setPen(QPen(Qt::white, 1));
        else
            p.setPen(Qt::NoPen);
        p.drawRect(square.adjusted(0, 0, -1, -1));
    }
    if (chosen_.isValid() && hasFocus()) {
        p.setPen(QPen(QColor(255, 255, 0), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(squareOf(chosen_).adjusted(-1, -1, 0, 0));
    }
}

void CalendarView::keyPressEvent(QKeyEvent *event)
{
    const int step = event->key() == Qt::Key_Up ? -1 : event->key() == Qt::Key_Down ? 1
                   : event->key() == Qt::Key_Left ? -7 : event->key() == Qt::Key_Right ? 7 : 0;
    if (step == 0 || !chosen_.isValid())
        return QWidget::keyPressEvent(event);
    choose(chosen_.addDays(step));
}

void CalendarView::mousePressEvent(QMouseEvent *event)
{
    choose(dayAt(event->position().toPoint()));
    setFocus();
}

bool CalendarView::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const QDate day = dayAt(help->pos());
        if (day.isValid())
            QToolTip::showText(help->globalPos(), dayText(day), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}
