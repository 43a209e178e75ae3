// The learning record on disk: the bytes of a pass's lines, reading them back past damage,
// and the files of a year kept under the size limit.
#include "files/learningrecord.h"
#include "support/testcourse.h"

#include <QTest>

namespace {
AnswerLine answer(const QString &english, bool right, std::optional<int> score, int year = 2026)
{
    AnswerLine a;
    a.passStart = ClockTime(QDate(year, 12, 8), QTime(18, 8, 26));
    a.kind = 3;
    a.order = 1;
    a.chapter = 5;
    a.item = 12;
    a.english = english;
    a.right = right;
    a.second = 14;
    a.score = score;
    a.passSeconds = 95;
    return a;
}
// The heading in code page 932 bytes, spelled out.
QByteArray heading()
{
    return QByteArray::fromHex("93fa8e9e2c8365835883672c8f878f982c8fcd2c89f196da2c94d48d862c89708cea2c90b38ceb2c"
                               "8371839383672c95622c93be935f2c8f8a97769562") + "\r\n";
}
} // namespace

class TestLearningRecord : public QObject {
    Q_OBJECT
private slots:
    // A zone whose clocks go forward in spring, so that some times of the clock never happen.
    void initTestCase() { qputenv("TZ", "Europe/Berlin"); }

    void linesOfAPass_data()
    {
        QTest::addColumn<AnswerLine>("line");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("right") << answer("I get up at six.", true, 80)
                               << QByteArray("2026-12-08 18:08:26,3,1,5,1,12,\"I get up at six.\",1,0,14,80,95\r\n");
        AnswerLine hinted = answer("Yes, I do.", true, 99);
        hinted.hint = true;
        hinted.passNo = 2;
        QTest::newRow("hint, re-test, comma") << hinted
                                              << QByteArray("2026-12-08 18:08:26,3,1,5,2,12,\"Yes, I do.\",1,1,14,99,95\r\n");
        QTest::newRow("unfinished, quote") << answer("say \"hi\"", false, std::nullopt)
                                           << QByteArray("2026-12-08 18:08:26,3,1,5,1,12,\"say \"\"hi\"\"\",0,0,14,,95\r\n");
        // Written where that time was on the clock, read where the clock skipped it.
        AnswerLine skipped = answer("I get up at six.", true, 80);
        skipped.passStart = ClockTime(QDate(2026, 3, 29), QTime(2, 30));
        QTest::newRow("time the spring clock skips")
            << skipped << QByteArray("2026-03-29 02:30:00,3,1,5,1,12,\"I get up at six.\",1,0,14,80,95\r\n");
    }
    void linesOfAPass()
    {
        QFETCH(AnswerLine, line);
        QFETCH(QByteArray, bytes);
        TestCourse course;
        const DataFolder folder = course.folder();
        QCOMPARE(LearningRecordWriter(folder).append({line}), QString());
        QCOMPARE(course.bytes("kiroku2026.csv"), heading() + bytes);
        const LearningRecordReader::Result back = LearningRecordReader(folder).readAll();
        QCOMPARE(back.lines, QList<AnswerLine>{line});
        QCOMPARE(back.skipped, 0);
    }

    void damagedLinesAreSkippedAndCounted_data()
    {
        QTest::addColumn<QByteArray>("tail");
        QTest::addColumn<int>("skipped");
        QTest::newRow("cut off last line") << QByteArray("2026-12-08 18:09:01,3,1,5,1,13,\"I ru") << 1;
        QTest::newRow("field missing") << QByteArray("2026-12-08 18:09:01,3,1,5,1,13,\"run\",1,0,14,80\r\n") << 1;
        QTest::newRow("bad chapter, bad date") << QByteArray("2026-12-08 18:09:01,3,1,61,1,13,\"a\",1,0,1,80,9\r\n"
                                                             "2026-13-08 18:09:01,3,1,6,1,13,\"a\",1,0,1,80,9\r\n")
                                               << 2;
        // The good lines before and after it share their start.
        QTest::newRow("short date inside a pass") << QByteArray("2026-12-08 18:08,3,1,5,1,13,\"a\",1,0,1,80,9\r\n") << 1;
    }
    void damagedLinesAreSkippedAndCounted()
    {
        QFETCH(QByteArray, tail);
        QFETCH(int, skipped);
        TestCourse course;
        const DataFolder folder = course.folder();
        const AnswerLine good = answer("I get up at six.", true, 80);
        course.writeBytes("kiroku2026.csv", learningrecord::headingLine() + learningrecord::encodeLine(good) + tail);
        LearningRecordReader::Result back = LearningRecordReader(folder).readAll();
        QCOMPARE(back.lines, QList<AnswerLine>{good});
        QCOMPARE(back.skipped, skipped);
        // The next pass goes after the damage, which stays one skipped line.
        QCOMPARE(LearningRecordWriter(folder).append({good}), QString());
        back = LearningRecordReader(folder).readAll();
        QCOMPARE(back.lines, (QList<AnswerLine>{good, good}));
        QCOMPARE(back.skipped, skipped);
    }

    void filesOfAYearStayUnderTheLimit()
    {
        TestCourse course;
        const DataFolder folder = course.folder();
        LearningRecordWriter writer(folder);
        const QByteArray line = learningrecord::encodeLine(answer("run", true, 100));
        const qint64 limit = learningrecord::headingLine().size() + 3 * line.size();
        writer.setFileLimit(limit);
        QCOMPARE(writer.append(QList<AnswerLine>(5, answer("run", true, 100))), QString()); // more than a file holds
        for (int pass = 0; pass < 2; ++pass)
            QCOMPARE(writer.append({answer("run", true, 100), answer("run", true, 100)}), QString());
        QCOMPARE(writer.append({answer("run", true, 100, 2027)}), QString());
        const QStringList files = LearningRecordReader(folder).fileNames();
        QCOMPARE(files, (QStringList{"kiroku2026.csv", "kiroku2026-2.csv", "kiroku2026-3.csv", "kiroku2027.csv"}));
        for (const QString &name : files)
            QVERIFY2(course.bytes(name).size() <= limit, qPrintable(name));
        QCOMPARE(LearningRecordReader(folder).readAll().lines.size(), 10);
        QCOMPARE(writer.clear(), QString());
        QVERIFY(LearningRecordReader(folder).fileNames().isEmpty());
    }

    // A short line that would fit into the room a long one left in the first file still goes
    // after the long one.
    void linesReadBackInTheOrderWritten()
    {
        TestCourse course;
        const DataFolder folder = course.folder();
        LearningRecordWriter writer(folder);
        const AnswerLine longer = answer("I get up at six every morning.", true, 100);
        const AnswerLine shorter = answer("Hi.", true, 100);
        writer.setFileLimit(learningrecord::headingLine().size() + 2 * learningrecord::encodeLine(longer).size()
                            + learningrecord::encodeLine(shorter).size());
        QCOMPARE(writer.append({longer, longer, longer}), QString());
        QCOMPARE(writer.append({shorter}), QString());
        QCOMPARE(LearningRecordReader(folder).readAll().lines, (QList<AnswerLine>{longer, longer, longer, shorter}));
    }
};

QTEST_GUILESS_MAIN(TestLearningRecord)
#include "tst_learningrecord.moc"
