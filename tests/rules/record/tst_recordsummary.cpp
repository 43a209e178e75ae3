// What the record shows, on a fixed day: the calendar's counts, the run of study days, the
// chapters' scores pass by pass, the totals and the items missed most often.
#include "rules/record/recordsummary.h"

#include <QTest>

#include <numeric>

namespace {
const QDate kToday(2026, 12, 10); // a Thursday

// n answers on the day, one pass of chapter 1 of kind 3; every second one wrong.
QList<AnswerLine> day(QDate date, int n, int score = 50, int passNo = 1, int chapter = 1)
{
    QList<AnswerLine> lines;
    for (int i = 0; i < n; ++i) {
        AnswerLine a;
        a.passStart = ClockTime(date, QTime(8, 0));
        a.kind = 3;
        a.chapter = chapter;
        a.passNo = passNo;
        a.item = i + 1;
        a.english = QStringLiteral("w%1").arg(i % 3);
        a.right = i % 2 == 0;
        a.score = score;
        a.passSeconds = 120;
        lines << a;
    }
    return lines;
}
QList<AnswerLine> days(std::initializer_list<int> daysAgo)
{
    QList<AnswerLine> lines;
    for (int d : daysAgo)
        lines += day(kToday.addDays(-d), 2);
    return lines;
}
} // namespace

class TestRecordSummary : public QObject {
    Q_OBJECT
private slots:
    void runOfStudyDays_data()
    {
        QTest::addColumn<QList<AnswerLine>>("lines");
        QTest::addColumn<int>("run");
        QTest::newRow("nothing") << QList<AnswerLine>() << 0;
        QTest::newRow("today only") << days({0}) << 1;
        QTest::newRow("up to yesterday, not yet today") << days({3, 2, 1}) << 3;
        QTest::newRow("a gap ends the run") << days({5, 4, 2, 1, 0}) << 3;
        QTest::newRow("the day before yesterday is too long ago") << days({3, 2}) << 0;
        QList<AnswerLine> hundred;
        for (int d = 100; d >= 0; --d)
            hundred += day(kToday.addDays(-d), 1);
        QTest::newRow("beyond the calendar's 12 weeks") << hundred << 101;
    }
    void runOfStudyDays()
    {
        QFETCH(QList<AnswerLine>, lines);
        QFETCH(int, run);
        QCOMPARE(RecordSummary::of(lines, kToday).studyRun, run);
    }

    void calendarCountsTheAnswersOfEachDay()
    {
        QList<AnswerLine> lines = day(kToday.addDays(-84), 9); // before the first Monday shown
        lines += day(QDate(2026, 9, 21), 4);                   // the first day shown, a Monday
        lines += day(kToday.addDays(-1), 3);
        lines += day(kToday.addDays(-1), 2, 70);               // a second pass that day
        lines += day(kToday, 5);
        const StudyCalendar cal = RecordSummary::of(lines, kToday).calendar;
        QCOMPARE(cal.firstDay, QDate(2026, 9, 21));
        QCOMPARE(cal.answersOn(QDate(2026, 9, 21)), 4);
        QCOMPARE(cal.answersOn(kToday.addDays(-1)), 5);
        QCOMPARE(cal.answersOn(kToday), 5);
        QCOMPARE(cal.answersOn(kToday.addDays(-84)), 0);
        QCOMPARE(std::accumulate(cal.answers.begin(), cal.answers.end(), 0), 14);
        QCOMPARE(cal.busiestDay(), 5);
    }

    void chaptersTotalsAndMisses()
    {
        QList<AnswerLine> lines = day(QDate(2026, 11, 2), 4, 40);
        lines += day(QDate(2026, 11, 3), 4, 90);
        lines += day(QDate(2026, 11, 3), 2, 100, 2);    // a re-test: not a score of the chapter
        lines += day(kToday.addDays(-3), 4, 60);        // Monday of this week
        QList<AnswerLine> unfinished = day(kToday, 1);  // left before its end
        unfinished[0].score.reset();
        lines += unfinished;
        lines += day(kToday, 3, 0, 1, 7);
        const RecordSummary s = RecordSummary::of(lines, kToday);

        QCOMPARE(s.chapters[2].size(), 2);
        const ChapterStudy &first = s.chapters[2][0];
        QCOMPARE(first.chapter, 1);
        QCOMPARE(first.scores, (QList<int>{40, 90, 60}));
        QCOMPARE(first.last(), 60);
        QCOMPARE(first.best(), 90);
        QVERIFY(s.chapters[0].isEmpty());

        QCOMPARE(s.allTime.answers, 18);
        QCOMPARE(s.allTime.right, 10);
        QCOMPARE(s.allTime.seconds, 6 * 120);
        QCOMPARE(s.thisWeek.answers, 8);
        QCOMPARE(s.thisWeek.rightPercent(), 62);
        QCOMPARE(s.thisWeek.seconds, 3 * 120);

        // Most misses first; the same English in another chapter is another item.
        QCOMPARE(s.mostMissed.size(), 3);
        const auto missed = [&](int i) {
            const MissedItem &m = s.mostMissed[i];
            return QStringLiteral("%1 %2 %3").arg(m.chapter).arg(m.english).arg(m.misses);
        };
        QCOMPARE(missed(0), QStringLiteral("1 w1 4"));
        QCOMPARE(missed(1), QStringLiteral("1 w0 3"));
        QCOMPARE(missed(2), QStringLiteral("7 w1 1"));
    }

    void studyTimeTexts()
    {
        QCOMPARE(studyTimeText(59), QStringLiteral("0分"));
        QCOMPARE(studyTimeText(12 * 60), QStringLiteral("12分"));
        QCOMPARE(studyTimeText(3 * 3600 + 5 * 60), QStringLiteral("3時間05分"));
    }
};

QTEST_GUILESS_MAIN(TestRecordSummary)
#include "tst_recordsummary.moc"
