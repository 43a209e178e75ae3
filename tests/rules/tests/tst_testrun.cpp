// The run that both test screens share: order, score, bars, end of a pass, storing the
// score of a first pass, the miss-list compaction, the feedback blink and the five answers.
#include "files/questionbank.h"
#include "rules/sharedstate.h"
#include "rules/tests/choicetest.h"
#include "rules/tests/testrun.h"
#include "screens/tests/feedbackblink.h"
#include "support/fakes.h"
#include "support/testcourse.h"

#include <QDir>
#include <QTest>

namespace {
// Uniform numbers that make the permutation draw give exactly these values for n items.
QList<double> drawsFor(const QList<int> &values, int n)
{
    QList<double> draws;
    for (int r : values)
        draws << (r - 0.25) / n;
    return draws;
}

ChapterQuestions chapterOf(int n)
{
    ChapterQuestions chapter;
    for (int i = 1; i <= n; ++i)
        chapter.items.append({QStringLiteral("e%1").arg(i), QStringLiteral("日%1").arg(i), QStringLiteral("n%1").arg(i)});
    chapter.endedByMarker = n < kMaxQuestions;
    return chapter;
}

TestRun loaded(int n)
{
    TestRun run;
    run.prepare();
    run.take(chapterOf(n));
    return run;
}

QByteArray scoreBytes(const QStringList &records)
{
    QByteArray bytes;
    for (int i = 0; i < 60; ++i)
        bytes += records.value(i).toLatin1() + "\r\n";
    return bytes;
}
} // namespace

class TestRunFlow : public QObject {
    Q_OBJECT
private slots:
    void readsItemsInFileOrder()
    {
        const TestRun run = loaded(3);
        QCOMPARE(run.Q_Total, 3);
        QCOMPARE(run.Q_Eng[1], QStringLiteral("e1"));
        QCOMPARE(run.Q_Jpn[3], QStringLiteral("日3"));
        QCOMPARE(run.Q_Third[2], QStringLiteral("n2"));
        QCOMPARE(run.Q_Eng[4], QStringLiteral("*")); // the end marker stands after the last item
        QCOMPARE(run.Q_No[2], 2);
    }

    void randomOrderIsAPermutationThatCarriesTheItemNumbers()
    {
        TestRun run = loaded(6);
        // 4 is drawn twice and 0.0 gives 0, outside 1..6: both are drawn again.
        QList<double> draws = drawsFor({4, 2, 4, 6}, 6);
        draws << 0.0;
        draws << drawsFor({1, 5, 3}, 6);
        SequenceRandom random(draws);
        run.shuffleItems(random);
        QCOMPARE(random.seeds, 1);
        const QList<int> expected{4, 2, 6, 1, 5, 3};
        QList<int> seen;
        for (int i = 1; i <= 6; ++i) {
            const int from = expected[i - 1];
            QCOMPARE(run.Q_No[size_t(i)], from);
            QCOMPARE(run.Q_Eng[size_t(i)], QStringLiteral("e%1").arg(from));
            QCOMPARE(run.Q_Jpn[size_t(i)], QStringLiteral("日%1").arg(from));
            QCOMPARE(run.Q_Third[size_t(i)], QStringLiteral("n%1").arg(from));
            seen << run.Q_No[size_t(i)];
        }
        std::sort(seen.begin(), seen.end());
        QCOMPARE(seen, (QList<int>{1, 2, 3, 4, 5, 6}));
        QCOMPARE(run.Q_Eng[7], QStringLiteral("*")); // the marker stays at the end
    }

    void randomOrderOfFiftyItemsKeepsEveryItemOnce()
    {
        TestRun run = loaded(50);
        SequenceRandom random({0.37, 0.91, 0.05, 0.62, 0.48, 0.13, 0.77, 0.29});
        run.shuffleItems(random);
        QSet<int> numbers;
        for (int i = 1; i <= 50; ++i) {
            numbers.insert(run.Q_No[size_t(i)]);
            QCOMPARE(run.Q_Eng[size_t(i)], QStringLiteral("e%1").arg(run.Q_No[size_t(i)]));
        }
        QCOMPARE(numbers.size(), 50);
    }

    void scoreRoundsTowardMinusInfinity_data()
    {
        QTest::addColumn<int>("ok");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("help");
        QTest::addColumn<int>("score");
        QTest::newRow("two of three") << 2 << 3 << 0 << 66;
        QTest::newRow("one of three") << 1 << 3 << 0 << 33;
        QTest::newRow("all") << 3 << 3 << 0 << 100;
        QTest::newRow("none") << 0 << 3 << 0 << 0;
        QTest::newRow("one of seven") << 1 << 7 << 0 << 14;
        QTest::newRow("all with one hint") << 10 << 10 << 1 << 99;
        QTest::newRow("none with one hint") << 0 << 3 << 1 << -1;
        QTest::newRow("negative with a fraction") << 1 << 3 << 34 << -1; // 33.33 - 34 = -0.67
        QTest::newRow("negative, further down") << 1 << 3 << 40 << -7; // -6.67
        QTest::newRow("fifty of fifty") << 50 << 50 << 0 << 100;
    }
    void scoreRoundsTowardMinusInfinity()
    {
        QFETCH(int, ok);
        QFETCH(int, total);
        QFETCH(int, help);
        QFETCH(int, score);
        TestRun run;
        run.Q_Total = total;
        run.OK_Count = ok;
        run.Help_Count = help;
        QCOMPARE(run.computeScore(), score);
        QCOMPARE(run.Score, score);
    }

    void scoreOfAnEmptyListIsZeroNotADivisionByZero()
    {
        TestRun run;
        QCOMPARE(run.computeScore(), 0);
    }

    void barsGrowByOneIdeographicSpacePerAnswer()
    {
        TestRun run = loaded(3);
        QCOMPARE(run.okBar(), QString());
        run.OK_Count = 2;
        run.NG_Count = 1;
        QCOMPARE(run.okBar(), QStringLiteral("\u3000\u3000"));
        QCOMPARE(run.ngBar(), QStringLiteral("\u3000"));
        QCOMPARE(run.Bar_OK[51].size(), 51);
        QVERIFY(run.Bar_OK[52].isEmpty());
    }

    void passEndsAsEachScreenCountsIt()
    {
        TestRun run = loaded(3);
        run.OK_Count = 1;
        run.NG_Count = 1;
        QVERIFY(!run.choicePassOver());
        run.NG_Count = 2;
        QVERIFY(run.choicePassOver());

        // Word test: Pass_Goal 100 is never reached on a first pass; a re-test ends at its own count.
        run.Pass_Goal = 100;
        run.OK_Count = 2;
        run.NG_Count = 0;
        QVERIFY(!run.wordPassOver());
        run.NG_Count = 1;
        QVERIFY(run.wordPassOver());
        run.Q_Total = 2;
        run.Pass_Goal = 2;
        run.OK_Count = 1;
        run.NG_Count = 0;
        QVERIFY(!run.wordPassOver());
        run.OK_Count = 2;
        QVERIFY(run.wordPassOver());
    }

    void storesOnlyFirstPassesByTheRecordRule()
    {
        TestCourse course;
        course.writeStandard();
        const DataFolder folder = course.folder();
        SharedState m;
        fillTestCatalogue(m);
        m.chosenChapter = 2;
        const QByteArray emptyFile = course.bytes(QStringLiteral("tenj03.dat"));
        QCOMPARE(emptyFile, scoreBytes({}));

        TestRun run = loaded(3);
        auto storeInOrder = [&](int score) {
            run.Score = score;
            return run.storeFirstPassScore(folder, m, 3);
        };
        QCOMPARE(storeInOrder(0), QString()); // 0 over empty: not written
        QCOMPARE(course.bytes(QStringLiteral("tenj03.dat")), emptyFile);
        QCOMPARE(storeInOrder(55), QString());
        QCOMPARE(course.bytes(QStringLiteral("tenj03.dat")), scoreBytes({QString(), QStringLiteral("55")}));
        storeInOrder(40);
        QCOMPARE(course.bytes(QStringLiteral("tenj03.dat")), scoreBytes({QString(), QStringLiteral("55")}));
        storeInOrder(100);
        QCOMPARE(course.bytes(QStringLiteral("tenj03.dat")), scoreBytes({QString(), QStringLiteral("100")}));
        storeInOrder(100);
        storeInOrder(80);
        QCOMPARE(course.bytes(QStringLiteral("tenj03.dat")), scoreBytes({QString(), QStringLiteral("101")}));

        // The random order writes its own file only.
        m.RandomMode = 1;
        QCOMPARE(storeInOrder(66), QString());
        QCOMPARE(course.bytes(QStringLiteral("tenr03.dat")), scoreBytes({QString(), QStringLiteral("66")}));
        QCOMPARE(course.bytes(QStringLiteral("tenj03.dat")), scoreBytes({QString(), QStringLiteral("101")}));
        QCOMPARE(course.bytes(QStringLiteral("tenr01.dat")), emptyFile);

        // A re-test never stores, not even full marks.
        run.Pass_No = 2;
        QCOMPARE(storeInOrder(100), QString());
        QCOMPARE(course.bytes(QStringLiteral("tenr03.dat")), scoreBytes({QString(), QStringLiteral("66")}));
    }

    void reportsAScoreFileItCannotRead()
    {
        TestCourse course;
        course.writeStandard();
        QFile::remove(QDir(course.root()).filePath(QStringLiteral("tenj01.dat")));
        QDir(course.root()).mkdir(QStringLiteral("tenj01.dat")); // there, but not a file
        SharedState m;
        fillTestCatalogue(m);
        m.chosenChapter = 1;
        TestRun run = loaded(3);
        run.Score = 100;
        const QString problem = run.storeFirstPassScore(course.folder(), m, 1);
        QVERIFY(problem.contains(QStringLiteral("tenj01.dat")));
        QVERIFY(QFileInfo(QDir(course.root()).filePath(QStringLiteral("tenj01.dat"))).isDir());
    }

    void compactsTheMissesToTheFront()
    {
        TestRun run = loaded(6);
        for (int i = 1; i <= 6; ++i)
            run.Q_No[size_t(i)] = 10 + i;
        const int marks[] = {1, -1, 1, -1, -1, 1};
        for (int i = 1; i <= 6; ++i)
            run.Q_Mark[size_t(i)] = marks[i - 1];
        TestRun keepNumbers = run;

        QCOMPARE(run.compactMisses(true), 3);
        QCOMPARE(run.Pass_Goal, 3);
        const int moved[] = {2, 4, 5};
        for (int k = 1; k <= 3; ++k) {
            QCOMPARE(run.Q_Eng[size_t(k)], QStringLiteral("e%1").arg(moved[k - 1]));
            QCOMPARE(run.Q_Jpn[size_t(k)], QStringLiteral("日%1").arg(moved[k - 1]));
            QCOMPARE(run.Q_Third[size_t(k)], QStringLiteral("n%1").arg(moved[k - 1]));
            QCOMPARE(run.Q_No[size_t(k)], 10 + moved[k - 1]);
            QCOMPARE(run.Q_Mark[size_t(k)], 0);
        }

        QCOMPARE(keepNumbers.compactMisses(false), 3);
        QCOMPARE(keepNumbers.Q_Eng[3], QStringLiteral("e5"));
        QCOMPARE(keepNumbers.Q_No[1], 11);
    }

    void compactionWithoutMissesMovesNothing()
    {
        TestRun run = loaded(2);
        run.Q_Mark[1] = run.Q_Mark[2] = 1;
        QCOMPARE(run.compactMisses(true), 0);
        QCOMPARE(run.Pass_Goal, 50);
        QCOMPARE(run.Q_Eng[1], QStringLiteral("e1"));
    }

    void blinkShowsTwoBlinksAndEndsOnTheSignalColour()
    {
        FeedbackBlink blink;
        blink.setDurationMs(400);
        QList<QColor> colours;
        connect(&blink, &FeedbackBlink::colourChanged, this, [&](const QColor &c) { colours << c; });
        int done = 0;
        const QColor blue(0, 0, 255);
        blink.start(blue, [&] { ++done; });
        QVERIFY(blink.isRunning());
        QCOMPARE(done, 0);
        for (int i = 0; i < 4; ++i)
            blink.advance();
        QVERIFY(!blink.isRunning());
        QCOMPARE(done, 1);
        const QColor black(0, 0, 0);
        QCOMPARE(colours, (QList<QColor>{blue, black, blue, black, blue}));
        blink.advance(); // a late tick does nothing
        QCOMPARE(done, 1);
    }

    void blinkOfNoDurationGoesOnAtOnce()
    {
        FeedbackBlink blink;
        blink.setDurationMs(0);
        QColor last;
        connect(&blink, &FeedbackBlink::colourChanged, this, [&](const QColor &c) { last = c; });
        int done = 0;
        blink.start(QColor(255, 0, 0), [&] { ++done; });
        QCOMPARE(done, 1);
        QVERIFY(!blink.isRunning());
        QCOMPARE(last, QColor(255, 0, 0));

        blink.setDurationMs(400);
        blink.start(QColor(0, 0, 255), [&] { ++done; });
        blink.finishNow();
        QCOMPARE(done, 2);
        QCOMPARE(last, QColor(0, 0, 255));
    }

    void fiveAnswersComeFromTheFirstFourOtherItems_data()
    {
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("position");
        QTest::addColumn<QStringList>("answers");
        QTest::newRow("item 7 of 10") << 10 << 7 << QStringList{"日1", "日7", "日2", "日3", "日4"};
        QTest::newRow("item 2 of 10") << 10 << 2 << QStringList{"日1", "日2", "日3", "日4", "日5"};
        QTest::newRow("item 1 of 10") << 10 << 1 << QStringList{"日2", "日1", "日3", "日4", "日5"};
        QTest::newRow("item 3 of 3") << 3 << 3 << QStringList{"日1", "日3", "日2", "", ""};
        QTest::newRow("one item") << 1 << 1 << QStringList{"", "日1", "", "", ""};
    }
    void fiveAnswersComeFromTheFirstFourOtherItems()
    {
        QFETCH(int, items);
        QFETCH(int, position);
        QFETCH(QStringList, answers);
        ChoiceTest test(1);
        test.run.prepare();
        test.run.take(chapterOf(items));
        test.run.Q_Pos = position;
        SequenceRandom identity({0.0}); // every draw rejected: the order stays
        test.buildItem(identity);
        for (int i = 1; i <= 5; ++i)
            QCOMPARE(test.Choice[size_t(i)], answers[i - 1]);
    }

    void filledAnswersAreShuffled()
    {
        ChoiceTest test(2); // Japanese asked, English answered
        test.run.prepare();
        test.run.take(chapterOf(10));
        test.run.Q_Pos = 7;
        SequenceRandom random(drawsFor({3, 5, 1, 2, 4}, 5));
        test.buildItem(random);
        // work list e1, e7, e2, e3, e4; entry i takes old entry perm(i)
        const QStringList expected{"e2", "e4", "e1", "e7", "e3"};
        for (int i = 1; i <= 5; ++i)
            QCOMPARE(test.Choice[size_t(i)], expected[i - 1]);
        QCOMPARE(test.questionLine(7), QStringLiteral("日7"));

        // Two items: only the first two entries take part.
        ChoiceTest two(1);
        two.run.prepare();
        two.run.take(chapterOf(2));
        SequenceRandom swap(drawsFor({2, 1}, 2));
        two.buildItem(swap);
        QCOMPARE(two.Choice[1], QStringLiteral("日1"));
        QCOMPARE(two.Choice[2], QStringLiteral("日2"));
        QVERIFY(two.Choice[3].isEmpty() && two.Choice[4].isEmpty() && two.Choice[5].isEmpty());
        two.run.Q_Pos = 2;
        swap.setValues(drawsFor({2, 1}, 2));
        two.buildItem(swap);
        QCOMPARE(two.Choice[1], QStringLiteral("日2"));
        QCOMPARE(two.Choice[2], QStringLiteral("日1"));
    }

    // The miss list puts the missed items first with their numbers, which the record keeps.
    void missedItemsKeepTheirNumbers()
    {
        ChoiceTest test(1);
        test.run.prepare();
        test.run.take(chapterOf(4));
        test.run.Q_Mark = {0, 1, 0, 1, 0};
        QCOMPARE(test.missListLines().size(), 2);
        QCOMPARE(test.run.Q_Eng[1], QStringLiteral("e2"));
        QCOMPARE(test.run.Q_No[1], 2);
        QCOMPARE(test.run.Q_No[2], 4);
    }
};

QTEST_MAIN(TestRunFlow)
#include "tst_testrun.moc"
