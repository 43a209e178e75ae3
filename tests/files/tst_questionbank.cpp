// The question reader and the course title, name and title files.
#include "files/coursefiles.h"
#include "files/questionbank.h"
#include "support/testcourse.h"

#include <QDir>
#include <QTest>

class TestQuestionBank : public QObject {
    Q_OBJECT
private slots:
    void markerFirstGivesNoQuestions()
    {
        const ChapterQuestions c = parseQuestions(QStringLiteral("*\r\n\r\n\r\n"));
        QCOMPARE(c.items.size(), 0);
        QVERIFY(c.endedByMarker);
        QVERIFY(!c.ranShort);
    }

    void fiftyRecordsNeedNoMarkerAndTheFiftyFirstIsIgnored()
    {
        QStringList lines;
        for (int i = 1; i <= 51; ++i)
            lines << QStringLiteral("e%1").arg(i) << QStringLiteral("j%1").arg(i) << QStringLiteral("t%1").arg(i);
        const ChapterQuestions c = parseQuestions(joinLines(lines));
        QCOMPARE(c.items.size(), 50);
        QCOMPARE(c.items.last().eng, QStringLiteral("e50"));
        QVERIFY(!c.endedByMarker);
        QVERIFY(!c.ranShort);
    }

    void onlyALoneAsteriskIsTheMarker()
    {
        const ChapterQuestions c = parseQuestions(QStringLiteral(" *\r\nj1\r\nt1\r\n**\r\nj2\r\nt2\r\n* \r\nj3\r\nt3\r\n*\r\nafter\r\n\r\n"));
        QCOMPARE(c.items.size(), 3);
        QCOMPARE(c.items[0].eng, QStringLiteral(" *"));
        QCOMPARE(c.items[1].eng, QStringLiteral("**"));
        QCOMPARE(c.items[2].eng, QStringLiteral("* "));
        QVERIFY(c.endedByMarker);
    }

    void keepsBlanksCommasAndQuotesOfEveryLine()
    {
        const ChapterQuestions c = parseQuestions(QStringLiteral(" I'm \"fine\", thanks. \r\n元気です、ありがとう。\r\n\r\n*\r\n"));
        QCOMPARE(c.items.size(), 1);
        QCOMPARE(c.items[0], (Question{QStringLiteral(" I'm \"fine\", thanks. "), QStringLiteral("元気です、ありがとう。"), QString()}));
    }

    void readsAFileAsTheEditorWritesIt()
    {
        // 12 questions, the marker in slot 13 and blank slots up to 50: 150 lines.
        QStringList lines;
        for (int i = 1; i <= 12; ++i)
            lines << QStringLiteral("e%1").arg(i) << QStringLiteral("日%1").arg(i) << QString();
        lines << QStringLiteral("*") << QString() << QString();
        while (lines.size() < 150)
            lines << QString();
        TestCourse course;
        course.writeLines(QStringLiteral("T/LEVEL.7"), lines);
        const ChapterQuestions c = readChapter(course.folder(), 7);
        QVERIFY(c.readable());
        QCOMPARE(c.items.size(), 12);
        QCOMPARE(c.items[11].jpn, QStringLiteral("日12"));
    }

    void shortFilesAndOtherLineEnds()
    {
        // Without marker and fewer than 50 records: read as far as it goes.
        ChapterQuestions c = parseQuestions(QStringLiteral("a\nあ\nx\nb\rい"));
        QCOMPARE(c.items.size(), 2);
        QCOMPARE(c.items[1], (Question{QStringLiteral("b"), QStringLiteral("い"), QString()}));
        QVERIFY(c.ranShort);
        QVERIFY(!c.endedByMarker);
        c = parseQuestions(QString());
        QCOMPARE(c.items.size(), 0);
        QVERIFY(c.ranShort);
    }

    void findsFilesInOtherLetterCaseAndSaysWhatIsMissing()
    {
        TestCourse course;
        QDir(course.root()).rmdir(QStringLiteral("T"));
        course.writeLines(QStringLiteral("t/level.7"), {QStringLiteral("dog"), QStringLiteral("犬"), QString(), QStringLiteral("*")});
        const ChapterQuestions found = readChapter(course.folder(), 7);
        QCOMPARE(found.items.size(), 1);
        const ChapterQuestions missing = readChapter(course.folder(), 8);
        QVERIFY(!missing.readable());
        QVERIFY(missing.problem.contains(QStringLiteral("E1/T/LEVEL.8")));
        QVERIFY(!readChapter(course.folder(), 61).readable());
        QCOMPARE(levelFileName(60), QStringLiteral("T/LEVEL.60"));
    }

    void courseTitleIsTheFirstField()
    {
        TestCourse course;
        course.writeLines(QStringLiteral("DAIMOKU"), {QStringLiteral("  中学英語, 一年 ")});
        QCOMPARE(readCourseTitle(course.folder()), QStringLiteral("中学英語"));
        course.writeLines(QStringLiteral("DAIMOKU"), {QStringLiteral("\"中学英語, 一年\"")});
        QCOMPARE(readCourseTitle(course.folder()), QStringLiteral("中学英語, 一年"));
        QString problem;
        TestCourse empty;
        QCOMPARE(readCourseTitle(empty.folder(), &problem), QString());
        QVERIFY(problem.contains(QStringLiteral("DAIMOKU")));
    }

    void chapterLinesStopAtSixtyAndFieldsFillSixty()
    {
        TestCourse course;
        QStringList many;
        for (int i = 1; i <= 100; ++i)
            many << QStringLiteral("名前%1, その二").arg(i);
        course.writeLines(QStringLiteral("LVNAME"), many);
        const QStringList lines = readChapterLines(course.folder(), kChapterNamesFile);
        QCOMPARE(lines.size(), 60);
        QCOMPARE(lines[59], QStringLiteral("名前60, その二"));

        course.writeLines(QStringLiteral("LVNAME"), {QStringLiteral("一"), QString(), QStringLiteral("三")});
        QCOMPARE(readChapterLines(course.folder(), kChapterNamesFile).size(), 3);
        const QStringList fields = readChapterFields(course.folder(), kChapterNamesFile);
        QCOMPARE(fields.size(), 60);
        QCOMPARE(fields[2], QStringLiteral("三"));
        QCOMPARE(fields[59], QString());
    }

private:
    static QString joinLines(const QStringList &lines) { return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"); }
};

QTEST_GUILESS_MAIN(TestQuestionBank)
#include "tst_questionbank.moc"
