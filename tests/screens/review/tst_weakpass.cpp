// 苦手な問題 on a fixed clock: the boxes and due days the record's lines give, the order and the
// limit of a pass, a pass taken on the test screens, and items the course no longer holds.
#include "rules/record/passlog.h"
#include "rules/review/weakpass.h"
#include "screens/record/recordscreen.h"
#include "screens/select/questionselectscreen.h"
#include "screens/tests/feedbackblink.h"
#include "support/testscreens.h"

#include <QPushButton>
#include <QTest>

namespace {
const QDate kToday(2026, 12, 8);

// An answer of kind 3 in chapter 1, `daysAgo` before today at 20:00.
AnswerLine line(const QString &english, bool right, int daysAgo, int kind = 3, bool hint = false)
{
    AnswerLine a;
    a.passStart = ClockTime(kToday.addDays(-daysAgo), QTime(20, 0));
    a.kind = kind;
    a.chapter = 1;
    a.item = 1;
    a.english = english;
    a.right = right;
    a.hint = hint;
    return a;
}
} // namespace

class TestWeakPass : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        FeedbackBlink::setStandardDurationMs(0);
        PassLog::setClock([] { return QDateTime(kToday, QTime(9, 0)); });
    }

    void boxesFromTheRecord_data()
    {
        QTest::addColumn<QList<AnswerLine>>("lines");
        QTest::addColumn<int>("box"); // of "e1-1" in kind 3; 0 for none
        QTest::addColumn<QDate>("due");
        QTest::newRow("never missed") << QList{line("e1-1", true, 3)} << 0 << QDate();
        QTest::newRow("a miss: box 1, the next day") << QList{line("e1-1", false, 3)} << 1 << kToday.addDays(-2);
        QTest::newRow("then right: box 2, 2 days on")
            << QList{line("e1-1", false, 3), line("e1-1", true, 1)} << 2 << kToday.addDays(1);
        QTest::newRow("right four times: box 5, 16 days on")
            << QList{line("e1-1", false, 9), line("e1-1", true, 8), line("e1-1", true, 6), line("e1-1", true, 2),
                     line("e1-1", true, 1)}
            << 5 << kToday.addDays(15);
        QTest::newRow("box 5 stays box 5")
            << QList{line("e1-1", false, 9), line("e1-1", true, 8), line("e1-1", true, 7), line("e1-1", true, 6),
                     line("e1-1", true, 5), line("e1-1", true, 4)}
            << 5 << kToday.addDays(12);
        QTest::newRow("right with the hint is a miss")
            << QList{line("e1-1", false, 5), line("e1-1", true, 4), line("e1-1", true, 2, 3, true)} << 1
            << kToday.addDays(-1);
        QTest::newRow("another kind's answers apart")
            << QList{line("e1-1", false, 5), line("e1-1", true, 1, 2)} << 1 << kToday.addDays(-4);
        AnswerLine afterMidnight = line("e1-1", false, 3);
        afterMidnight.passStart = ClockTime(kToday.addDays(-3), QTime(23, 59, 50));
        afterMidnight.second = 20; // answered on the next day
        QTest::newRow("the day of the answer, not of the pass") << QList{afterMidnight} << 1 << kToday.addDays(-1);
    }
    void boxesFromTheRecord()
    {
        QFETCH(QList<AnswerLine>, lines);
        QFETCH(int, box);
        QFETCH(QDate, due);
        const QList<ReviewItem> items = ReviewBoxes::of(lines).items(3);
        QCOMPARE(items.size(), box == 0 ? 0 : 1);
        if (box != 0) {
            QCOMPARE(items[0].box, box);
            QCOMPARE(items[0].due, due);
        }
    }

    void aPassTakesTheLowestBoxesAndLongestOverdueFirstUpTo20()
    {
        QList<AnswerLine> lines;
        auto miss = [&](int chapter, int item, int daysAgo, int rights) {
            AnswerLine a = line(QStringLiteral("e%1-%2").arg(chapter).arg(item), false, daysAgo);
            a.chapter = chapter;
            a.item = item;
            lines << a;
            for (int r = 1; r <= rights; ++r) {
                a.right = true;
                a.passStart = ClockTime(a.passStart.date(), a.passStart.time().addSecs(60)); // the same day
                lines << a;
            }
        };
        for (int item = 1; item <= 22; ++item)
            miss(2, item, 1, 0);   // box 1, due today
        miss(1, 1, 3, 1);          // box 2, due yesterday
        miss(3, 1, 5, 0);          // box 1, due 4 days ago
        miss(3, 2, 0, 0);          // missed today: due tomorrow
        const ReviewBoxes boxes = ReviewBoxes::of(lines);
        const WeakPass pass = WeakPass::prepare(boxes, 3, kToday, [](int chapter) {
            ChapterQuestions c;
            for (int i = 1; i <= 22; ++i)
                c.items << Question{QStringLiteral("e%1-%2").arg(chapter).arg(i), QStringLiteral("日"), {}};
            return c;
        });
        QCOMPARE(pass.dueCount, 24);
        QCOMPARE(pass.items.size(), WeakPass::kMaxItems);
        QCOMPARE(pass.items[0].question.eng, QStringLiteral("e3-1")); // box 1, longest overdue
        QCOMPARE(pass.items[1].question.eng, QStringLiteral("e2-1"));
        QCOMPARE(pass.items[19].question.eng, QStringLiteral("e2-19")); // box 2 and the rest wait
        QCOMPARE(pass.chapterLine(), QStringLiteral("苦手な問題　今日の分 24問（このテストでは 20問）"));

        const WeakPass tomorrow = WeakPass::prepare(ReviewBoxes::of({lines.last()}), 3, kToday, {});
        QVERIFY(tomorrow.isEmpty());
        QCOMPARE(tomorrow.nextDue, kToday.addDays(1));
        QVERIFY(tomorrow.nothingDueText().contains(QStringLiteral("12月9日")));
    }

    // A learner's pass from question selection: it moves the boxes, writes the record under
    // each item's chapter and leaves the score files as they were.
    void aPassMovesBoxesAndStoresNoChapterScore_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("five answers") << 1;
        QTest::newRow("word test") << 3;
    }
    void aPassMovesBoxesAndStoresNoChapterScore()
    {
        QFETCH(int, kind);
        TestApp app;
        app.nameChapters();
        AnswerLine first = line(QStringLiteral("e2-3"), false, 1, kind);
        first.chapter = 2;
        first.item = 3;
        AnswerLine second = line(QStringLiteral("e1-4"), false, 1, kind);
        second.item = 4;
        QCOMPARE(LearningRecordWriter(app.ctx.data).append({first, second}), QString());
        QStringList scoreFiles;
        for (const QString &prefix : {QStringLiteral("tenj0"), QStringLiteral("tenr0")})
            scoreFiles << prefix + QString::number(kind) + QStringLiteral(".dat");
        const QByteArray before = app.course.bytes(scoreFiles[0]) + app.course.bytes(scoreFiles[1]);

        app.ctx.state.TestKind = kind;
        app.ctx.state.chosenChapter = 1;
        app.start(ScreenId::QuestionSelect);
        QTest::mouseClick(app.currentAs<QuestionSelectScreen>()->WeakButton, Qt::LeftButton);
        auto *screen = qobject_cast<TestScreen *>(app.current());
        QVERIFY(screen);
        QCOMPARE(screen->chapterLabel->text(), QStringLiteral("苦手な問題　今日の分 2問"));
        if (kind == 1) {
            auto *f = app.currentAs<ChoiceTestScreen>();
            QCOMPARE(answers(f).size(), 5); // wrong answers from the item's own chapter
            QVERIFY(answerWith(f, QStringLiteral("日1-4")));
            QVERIFY(answerWith(f, QStringLiteral("日2-3")));
        } else {
            auto *f = app.currentAs<WordTestScreen>();
            answer(f, QStringLiteral("e1-4"));
            answer(f, QStringLiteral("e2-3"));
        }
        QCOMPARE(scoreShown(screen), QStringLiteral("100"));
        QCOMPARE(app.course.bytes(scoreFiles[0]) + app.course.bytes(scoreFiles[1]), before);

        const LearningRecordReader::Result back = LearningRecordReader(app.ctx.data).readAll();
        QCOMPARE(back.lines.size(), 4);
        QCOMPARE(back.lines[2].chapter, 1);
        QCOMPARE(back.lines[2].item, 4);
        QCOMPARE(back.lines[3].chapter, 2);
        QCOMPARE(back.lines[2].order, kWeakOrder);
        const ReviewBoxes boxes = readRecordBoxes(app.ctx.data).boxes;
        QCOMPARE(boxes.countPerBox(kind), (ReviewBoxes::BoxCounts{0, 2, 0, 0, 0}));
        QVERIFY(boxes.dueOn(kind, kToday).isEmpty());
        auto *record = qobject_cast<RecordScreen *>(app.start(ScreenId::Record));
        QCOMPARE(record->BoxLabel->text(), QStringLiteral("苦手な問題　箱1 0問　箱2 2問　箱3 0問　箱4 0問　箱5 0問"));
        QVERIFY(record->summary().chapters[size_t(kind - 1)].isEmpty()); // no chapter's score
        app.ctx.state.TestKind = kind;
        app.ctx.state.chosenChapter = 1;
        app.start(ScreenId::QuestionSelect);

        // Nothing is due any more: the learner is told so, and when.
        QTest::mouseClick(app.currentAs<QuestionSelectScreen>()->WeakButton, Qt::LeftButton);
        QCOMPARE(resultShown(qobject_cast<TestScreen *>(app.current())),
                 QStringLiteral("今日の苦手な問題はありません。\n次は 12月10日（木） に出題します。"));
    }

    void itemsTheCourseNoLongerHoldsDropOut_data()
    {
        QTest::addColumn<QList<TestQuestion>>("chapter1"); // chapter 1 as the editor left it
        QTest::addColumn<int>("item");                     // where "e1-2" stands now; 0 dropped
        const QList<TestQuestion> course = TestCourse::numbered(1, 3);
        QTest::newRow("unchanged") << course << 2;
        QList<TestQuestion> japanese = course;
        japanese[1].jpn = QStringLiteral("新しい日本語");
        QTest::newRow("its Japanese edited") << japanese << 2;
        QList<TestQuestion> moved = course;
        moved.move(1, 2);
        QTest::newRow("moved in its chapter") << moved << 3;
        QList<TestQuestion> english = course;
        english[1].eng = QStringLiteral("e1-2 again");
        QTest::newRow("its English changed") << english << 0;
        QList<TestQuestion> removed = course;
        removed.removeAt(1);
        QTest::newRow("removed") << removed << 0;
    }
    void itemsTheCourseNoLongerHoldsDropOut()
    {
        QFETCH(QList<TestQuestion>, chapter1);
        QFETCH(int, item);
        TestCourse course;
        course.writeChapter(1, chapter1);
        AnswerLine missed = line(QStringLiteral("e1-2"), false, 2);
        missed.item = 2;
        const DataFolder folder = course.folder();
        QCOMPARE(LearningRecordWriter(folder).append({missed}), QString());
        const QList<ReviewItem> items = readRecordBoxes(folder).boxes.items(3);
        QCOMPARE(items.size(), item == 0 ? 0 : 1);
        if (item != 0)
            QCOMPARE(items[0].item, item);
        QCOMPARE(WeakPass::prepare(folder, 3, kToday).items.size(), item == 0 ? 0 : 1);
    }
};

QTEST_MAIN(TestWeakPass)
#include "tst_weakpass.moc"
