// The course that ships with the program: complete, readable by the program's own readers,
// and fair to type.
#include "content/coursefiles.h"
#include "content/cp932.h"
#include "content/datafolder.h"
#include "content/questionbank.h"
#include "content/scores.h"
#include "support/scorefiles.h"

#include <QDir>
#include <QHash>
#include <QSet>
#include <QTest>
#include <QRegularExpression>

class TestShippedCourse : public QObject {
    Q_OBJECT
private:
    DataFolder folder{QDir(qEnvironmentVariable("EITANGO_SOURCE_DIR")).filePath(QStringLiteral("course/E1"))};

    static bool plainAscii(const QString &s)
    {
        for (QChar c : s) {
            if (c.unicode() < 0x20 || c.unicode() > 0x7E)
                return false;
        }
        return true;
    }

    // What a five-choice answer looks like among the others offered: a sentence ends in . ? or !,
    // a phrase has a blank, a word has neither.
    enum class Form { Word, Phrase, Sentence };
    static Form formOf(const QString &english)
    {
        if (english.endsWith(u'.') || english.endsWith(u'?') || english.endsWith(u'!'))
            return Form::Sentence;
        return english.contains(u' ') ? Form::Phrase : Form::Word;
    }

    // The course writes full forms; an answer that is a contraction is asked for by this cue.
    // "Let's", "o'clock" and the possessive 's are not contractions.
    static bool isContraction(const QString &english)
    {
        static const QRegularExpression contraction(
            QStringLiteral("\\b(\\w+n't|I'm|\\w+'re|\\w+'ll|\\w+'ve|\\w+'d|"
                           "(it|he|she|that|what|who|where|there|here|how|when|why|this)'s)\\b"),
            QRegularExpression::CaseInsensitiveOption);
        return contraction.match(english).hasMatch();
    }

    // The digits a line shows, full-width ones as their ASCII twins.
    static QString digitsOf(const QString &line)
    {
        QString digits;
        for (QChar c : line) {
            if (c >= u'0' && c <= u'9')
                digits += c;
            else if (c >= QChar(0xFF10) && c <= QChar(0xFF19))
                digits += QChar(u'0' + (c.unicode() - 0xFF10));
        }
        return digits;
    }

    void expectWrittenAsTheProgramWrites(const QString &name)
    {
        const DataFolder::Read raw = folder.read(name);
        QVERIFY2(raw.ok(), qPrintable(raw.problem));
        QVERIFY2(!raw.bytes.isEmpty(), qPrintable(name));
        QVERIFY2(raw.bytes.endsWith("\r\n"), qPrintable(name));
        QVERIFY2(raw.bytes.count('\n') == raw.bytes.count("\r\n") && raw.bytes.count('\r') == raw.bytes.count("\r\n"),
                 qPrintable(name + QStringLiteral(": every line ends in CR LF")));
        const QString text = cp932::decode(raw.bytes);
        QVERIFY2(!text.contains(QChar::ReplacementCharacter), qPrintable(name));
        QVERIFY2(!DataFolder::looksLikeUtf8(raw.bytes), qPrintable(name + QStringLiteral(": taken for UTF-8")));
        QCOMPARE(cp932::encode(text).bytes, raw.bytes);
    }

    void expectNameList(const QString &file, int maxWidth)
    {
        expectWrittenAsTheProgramWrites(file);
        if (QTest::currentTestFailed())
            return;
        const QStringList lines = readChapterLines(folder, file);
        QCOMPARE(lines.size(), 60);
        QCOMPARE(readChapterFields(folder, file), lines); // survives the editor's field read
        for (const QString &line : lines) {
            QVERIFY2(!line.isEmpty(), qPrintable(file));
            QVERIFY2(!line.contains(u',') && !line.contains(u'、') && !line.startsWith(u'"'), qPrintable(line));
            QVERIFY2(line == line.trimmed(), qPrintable(line));
            // Half-width characters count as half a full-width one.
            double width = 0;
            for (QChar c : line)
                width += c.unicode() < 0x80 ? 0.5 : 1.0;
            QVERIFY2(width <= maxWidth, qPrintable(line));
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(folder.exists(), qPrintable(folder.root()));
    }

    void courseTitle()
    {
        expectWrittenAsTheProgramWrites(kCourseTitleFile);
        if (QTest::currentTestFailed())
            return;
        const QString line = cp932::decode(folder.read(kCourseTitleFile).bytes).chopped(2);
        QVERIFY(!line.contains(u','));
        QVERIFY(!line.contains(u'\n'));
        QCOMPARE(readCourseTitle(folder), line);
        QVERIFY(!line.isEmpty());
    }

    void sixtyChapterNamesAndTitles()
    {
        expectNameList(kChapterNamesFile, 14);
        expectNameList(kChapterTitlesFile, 12);
    }

    void scoreFilesAreSixtyEmptyLines()
    {
        for (const char *prefix : {"tenj", "tenr"}) {
            for (int kind = 1; kind <= 3; ++kind) {
                const QString name = QStringLiteral("%1%2.dat").arg(QLatin1String(prefix)).arg(kind, 2, 10, QLatin1Char('0'));
                QCOMPARE(folder.read(name).bytes, emptyScoreFile());
            }
        }
    }

    void everyChapterIsReadableAndFairToType_data()
    {
        QTest::addColumn<int>("chapter");
        for (int n = 1; n <= 60; ++n)
            QTest::addRow("chapter %d", n) << n;
    }
    void everyChapterIsReadableAndFairToType()
    {
        QFETCH(int, chapter);
        expectWrittenAsTheProgramWrites(levelFileName(chapter));
        if (QTest::currentTestFailed())
            return;
        const ChapterQuestions q = SEKUSHON(folder, chapter);
        QVERIFY(q.readable());
        QVERIFY2(q.items.size() >= 15 && q.items.size() <= 50, qPrintable(QString::number(q.items.size())));
        QVERIFY(q.items.size() == 50 || q.endedByMarker);
        QSet<QString> english, japanese;
        static const QRegularExpression doubleBlank(QStringLiteral("  "));
        const Form chapterForm = formOf(q.items.first().eng);
        for (const Question &item : q.items) {
            // Every answer offered has the form of the others, so none gives itself away.
            QVERIFY2(formOf(item.eng) == chapterForm, qPrintable(item.eng + QStringLiteral(" / ") + q.items.first().eng));
            QVERIFY2(isContraction(item.eng) == item.jpn.contains(QStringLiteral("短縮形で")),
                     qPrintable(item.eng + QStringLiteral(" / ") + item.jpn));
            // A number the Japanese shows in digits is typed in the same digits.
            QVERIFY2(digitsOf(item.jpn) == digitsOf(item.eng), qPrintable(item.eng + QStringLiteral(" / ") + item.jpn));
            QVERIFY2(plainAscii(item.eng), qPrintable(item.eng));
            QVERIFY2(item.eng == item.eng.trimmed() && !item.eng.contains(doubleBlank), qPrintable(item.eng));
            QVERIFY2(!item.eng.isEmpty() && !item.jpn.isEmpty(), qPrintable(item.eng));
            QVERIFY2(!english.contains(item.eng), qPrintable(item.eng));
            QVERIFY2(!japanese.contains(item.jpn), qPrintable(item.jpn));
            english.insert(item.eng);
            japanese.insert(item.jpn);
            QVERIFY2(cp932::encode(item.jpn).ok() && cp932::encode(item.third).ok(), qPrintable(item.jpn));
            if (chapterForm == Form::Sentence) // a sentence begins with a capital
                QVERIFY2(item.eng.at(0).isUpper(), qPrintable(item.eng));
        }
    }

    // One Japanese line asks for one English line wherever it stands, and nothing is drilled twice.
    void noLineTwiceInTheCourse()
    {
        QHash<QString, QString> japaneseAt, englishAt;
        for (int chapter = 1; chapter <= 60; ++chapter) {
            const ChapterQuestions q = SEKUSHON(folder, chapter);
            for (const Question &item : q.items) {
                const QString here = QStringLiteral("chapter %1: ").arg(chapter);
                QVERIFY2(!japaneseAt.contains(item.jpn), qPrintable(here + item.jpn + QStringLiteral(" also in ") + japaneseAt.value(item.jpn)));
                QVERIFY2(!englishAt.contains(item.eng), qPrintable(here + item.eng + QStringLiteral(" also in ") + englishAt.value(item.eng)));
                japaneseAt.insert(item.jpn, here + item.eng);
                englishAt.insert(item.eng, here + item.jpn);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestShippedCourse)
#include "tst_course.moc"
