#pragma once
// What the learning record shows: the days studied in the last 12 weeks and the current run
// of study days, every chapter studied per test kind with its scores pass by pass, the totals
// of this week and of all time, and the items missed most often. Worked out from the record's
// lines and the day taken as today, without widgets.
#include "files/learningrecord.h"

#include <QDate>
#include <QList>
#include <QString>
#include <array>

// The calendar: 12 weeks, Monday to Sunday, ending with the week of today.
struct StudyCalendar {
    static constexpr int kWeeks = 12;
    static constexpr int kDays = kWeeks * 7;
    QDate firstDay;                       // the Monday 11 weeks before today's week
    QDate today;
    std::array<int, kDays> answers{};     // answers given on firstDay + i
    int answersOn(QDate day) const;       // 0 outside the 12 weeks
    int busiestDay() const;               // the most answers on one day of the 12 weeks
};

// One chapter of one test kind: its first passes that reached a score, in the order taken.
struct ChapterStudy {
    int chapter = 0;
    QList<int> scores; // first passes only: a re-test covers just the missed items
    int passes() const { return int(scores.size()); }
    int last() const { return scores.isEmpty() ? 0 : scores.last(); }
    int best() const;
};

struct StudyTotals {
    int answers = 0;
    int right = 0;
    qint64 seconds = 0; // the durations of the passes
    int rightPercent() const { return answers == 0 ? 0 : int(qint64(right) * 100 / answers); }
};

struct MissedItem {
    int chapter = 0;
    QString english;
    int misses = 0;
};

struct RecordSummary {
    StudyCalendar calendar;
    int studyRun = 0; // days in a row with answers, up to today (or up to yesterday, today not yet)
    std::array<QList<ChapterStudy>, 3> chapters; // per kind 1 to 3 at 0 to 2, by chapter number
    StudyTotals thisWeek;                        // since Monday of today's week
    StudyTotals allTime;
    QList<MissedItem> mostMissed;                // at most kMostMissed, most misses first
    static constexpr int kMostMissed = 20;

    static RecordSummary of(const QList<AnswerLine> &lines, QDate today);
};

// "3時間05分", "12分" for a number of seconds.
QString studyTimeText(qint64 seconds);

// A line of totals as the screen shows and the page prints it: the period ("今週　",
// "全期間"), the answers, the share right and the time studied.
QString totalsText(const QString &period, const StudyTotals &t);
