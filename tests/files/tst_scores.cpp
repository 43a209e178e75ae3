// Score records: the update rule, finished chapters, clearing, and safe writes.
#include "files/datafolder.h"
#include "files/scores.h"
#include "support/scorefiles.h"
#include "support/testcourse.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <QTest>

#include <csignal>
#include <limits>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// What a process has written so far, from the kernel's count.
qint64 bytesWritten(pid_t pid)
{
    QFile io(QStringLiteral("/proc/%1/io").arg(pid));
    if (!io.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : io.readAll().split('\n')) {
        if (line.startsWith("wchar:"))
            return line.mid(6).trimmed().toLongLong();
    }
    return 0;
}
} // namespace

class TestScores : public QObject {
    Q_OBJECT
private slots:
    void numericValueOfStoredTexts()
    {
        QCOMPARE(numericValue(u""), 0.0);
        QCOMPARE(numericValue(u"abc"), 0.0);
        QCOMPARE(numericValue(u"79.5"), 79.5);
        QCOMPARE(numericValue(u"12abc"), 12.0);
        QCOMPARE(numericValue(u" 101"), 101.0);
        QCOMPARE(numericValue(u"-5"), -5.0);
        QCOMPARE(numericValue(u"."), 0.0);
        QCOMPARE(numericValue(u"0.5"), 0.5);
        QCOMPARE(numericValue(u".25"), 0.25);
        QCOMPARE(numericValue(u"007"), 7.0);
        QCOMPARE(numericValue(QString(500, u'0') + QStringLiteral("42")), 42.0);
        // Beyond the range of a double: larger than every score, never 0.
        QCOMPARE(numericValue(QString(400, u'9')), std::numeric_limits<double>::max());
        QCOMPARE(numericValue(QStringLiteral("-") + QString(400, u'9')), -std::numeric_limits<double>::max());
        QCOMPARE(numericValue(QStringLiteral("0.") + QString(400, u'0') + QStringLiteral("1")), 0.0);
    }

    void updateRuleOverASequenceOfPasses()
    {
        QStringList r = scoreRecords({});
        QVERIFY(!updatedScores(r, 5, 0)); // 0 < 0 is false: nothing written
        auto next = updatedScores(r, 5, 55);
        QVERIFY(next);
        QCOMPARE(next->at(4), QStringLiteral("55"));
        r = *next;
        QVERIFY(!updatedScores(r, 5, 40));
        r = *updatedScores(r, 5, 100);
        QCOMPARE(r[4], QStringLiteral("100"));
        r = *updatedScores(r, 5, 100);
        QCOMPARE(r[4], QStringLiteral("101"));
        QVERIFY(!updatedScores(r, 5, 80));
        QCOMPARE(r.count(QString()), 59); // only chapter 5 ever changed
    }

    void oldValuesAreRoundedHalfToEven()
    {
        // 99.5 rounds to 100 (even), so a full-mark pass counts as a further one.
        QCOMPARE(updatedScores(scoreRecords({{1, QStringLiteral("99.5")}}), 1, 100)->at(0), QStringLiteral("101"));
        // 100.5 rounds to 100: the next full mark gives 101.
        QCOMPARE(updatedScores(scoreRecords({{1, QStringLiteral("100.5")}}), 1, 100)->at(0), QStringLiteral("101"));
        // Compared unrounded against a lower score: 79.5 < 80.
        QCOMPARE(updatedScores(scoreRecords({{1, QStringLiteral("79.5")}}), 1, 80)->at(0), QStringLiteral("80"));
        QCOMPARE(updatedScores(scoreRecords({{1, QStringLiteral("-3")}}), 1, 0)->at(0), QStringLiteral("0"));
        QCOMPARE(updatedScores(scoreRecords({{1, QStringLiteral("abc")}}), 1, 10)->at(0), QStringLiteral("10"));
    }

    void recordStaysAtItsLargestValue()
    {
        QVERIFY(!updatedScores(scoreRecords({{3, QStringLiteral("32767")}}), 3, 100));
        QVERIFY(!updatedScores(scoreRecords({{3, QStringLiteral("99999")}}), 3, 100));
        QVERIFY(!updatedScores(scoreRecords({{3, QString(400, u'9')}}), 3, 50));
        QCOMPARE(updatedScores(scoreRecords({{3, QStringLiteral("32766")}}), 3, 100)->at(2), QStringLiteral("32767"));
    }

    void finishedNeedsFullMarksInBothOrders()
    {
        QVERIFY(!isFinished(QStringLiteral("100"), QString()));
        QVERIFY(!isFinished(QStringLiteral("99"), QStringLiteral("101")));
        QVERIFY(isFinished(QStringLiteral("101"), QStringLiteral("100")));
    }

    void storesIntoTheNamedFileOnly()
    {
        TestCourse course;
        course.writeScores(QStringLiteral("tenj03.dat"), {});
        course.writeScores(QStringLiteral("tenr03.dat"), {});
        const QByteArray inOrderBefore = course.bytes(QStringLiteral("tenj03.dat"));
        QCOMPARE(storeScore(course.folder(), QStringLiteral("tenr03.dat"), 5, 55), QString());
        QCOMPARE(course.bytes(QStringLiteral("tenr03.dat")), scoreFileBytes(scoreRecords({{5, QStringLiteral("55")}})));
        QCOMPARE(course.bytes(QStringLiteral("tenj03.dat")), inOrderBefore);
    }

    void missingAndShortFiles()
    {
        TestCourse course;
        ScoreFile missing = readScores(course.folder(), QStringLiteral("tenj01.dat"));
        QVERIFY(missing.missing);
        QCOMPARE(missing.records, QStringList(60, QString()));
        // Created on the first write.
        QCOMPARE(storeScore(course.folder(), QStringLiteral("tenj01.dat"), 60, 100), QString());
        QCOMPARE(course.bytes(QStringLiteral("tenj01.dat")), scoreFileBytes(scoreRecords({{60, QStringLiteral("100")}})));

        course.writeBytes(QStringLiteral("tenj02.dat"), "90\r\n80\r\n");
        const ScoreFile shortFile = readScores(course.folder(), QStringLiteral("tenj02.dat"));
        QVERIFY(!shortFile.problem.isEmpty());
        QCOMPARE(shortFile.records.size(), 60);
        QCOMPARE(shortFile.records[1], QStringLiteral("80"));
        QCOMPARE(storeScore(course.folder(), QStringLiteral("tenj02.dat"), 3, 70), QString());
        QCOMPARE(course.bytes(QStringLiteral("tenj02.dat")),
                 scoreFileBytes(scoreRecords({{1, QStringLiteral("90")}, {2, QStringLiteral("80")}, {3, QStringLiteral("70")}})));
    }

    void clearWritesSixtyEmptyLinesToBoth()
    {
        TestCourse course;
        course.writeScores(QStringLiteral("tenj02.dat"), {QStringLiteral("100"), QStringLiteral("5")});
        course.writeScores(QStringLiteral("tenr02.dat"), {QStringLiteral("101")});
        QCOMPARE(clearScores(course.folder(), QStringLiteral("tenj02.dat"), QStringLiteral("tenr02.dat")), QString());
        QCOMPARE(course.bytes(QStringLiteral("tenj02.dat")), emptyScoreFile());
        QCOMPARE(course.bytes(QStringLiteral("tenr02.dat")), emptyScoreFile());
    }

    void aWriteThatCannotHappenIsReported()
    {
        TestCourse course;
        course.writeScores(QStringLiteral("tenj01.dat"), {QStringLiteral("40")});
        const QByteArray before = course.bytes(QStringLiteral("tenj01.dat"));
        // A folder that is gone cannot be written to, by anyone.
        const DataFolder gone(course.root() + QStringLiteral("/no-such-folder"));
        QVERIFY(storeScore(gone, QStringLiteral("tenj01.dat"), 1, 90).contains(QStringLiteral("tenj01.dat")));
        if (getuid() != 0) {
            QFile::setPermissions(course.root(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            const QString problem = storeScore(course.folder(), QStringLiteral("tenj01.dat"), 1, 90);
            QFile::setPermissions(course.root(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            QVERIFY(problem.contains(QStringLiteral("tenj01.dat")));
        }
        QCOMPARE(course.bytes(QStringLiteral("tenj01.dat")), before);
    }

    void aWriterKilledHalfwayLeavesTheOldFileWhole()
    {
        TestCourse course;
        course.writeScores(QStringLiteral("tenj01.dat"), {QStringLiteral("40")});
        const QByteArray before = course.bytes(QStringLiteral("tenj01.dat"));
        const DataFolder folder = course.folder();
        const QByteArray huge(256 * 1024 * 1024, 'x');
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            folder.write(QStringLiteral("tenj01.dat"), huge);
            _exit(0);
        }
        // Wait until the writer is well into its (unnamed) temporary file, then kill it.
        QElapsedTimer waited;
        waited.start();
        while (bytesWritten(child) < 4 * 1024 * 1024 && waited.elapsed() < 10000)
            QThread::msleep(1);
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        QVERIFY2(WIFSIGNALED(status), "the writer finished before it could be interrupted");
        QCOMPARE(course.bytes(QStringLiteral("tenj01.dat")), before);
        QCOMPARE(readScores(folder, QStringLiteral("tenj01.dat")).records[0], QStringLiteral("40"));
    }
};

QTEST_GUILESS_MAIN(TestScores)
#include "tst_scores.moc"
