// The course that ships with the program: complete, readable by the program's own readers,
// and fair to type.
#include "course/coursewording.h"
#include "files/coursefiles.h"
#include "files/cp932.h"
#include "files/datafolder.h"
#include "files/questionbank.h"
#include "files/scores.h"
#include "support/scorefiles.h"

#include <QDir>
#include <QFile>
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

    QString sourceFile(const QString &path) const
    {
        return QDir(qEnvironmentVariable("EITANGO_SOURCE_DIR")).filePath(path);
    }

    // Every item of the course, with where it stands, for the course-wide checks below.
    struct Placed {
        int chapter;
        Question item;
        QString where() const
        {
            return QStringLiteral("%1: %2 / %3").arg(chapter).arg(item.eng, item.jpn);
        }
    };
    QList<Placed> everyItem()
    {
        QList<Placed> all;
        for (int chapter = 1; chapter <= 60; ++chapter) {
            for (const Question &item : readChapter(folder, chapter).items)
                all.append({chapter, item});
        }
        return all;
    }

    QList<coursewording::FixedWord> fixedWords()
    {
        QString problem;
        const auto rows = coursewording::readFixedWords(sourceFile(QStringLiteral("docs/fixed-words.tsv")), &problem);
        [&] { QVERIFY2(!rows.isEmpty(), qPrintable(problem)); }();
        return rows;
    }

    static void expectNone(const QStringList &faults)
    {
        for (const QString &fault : faults)
            qWarning().noquote() << fault;
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 items, listed above").arg(faults.size())));
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
        const ChapterQuestions q = readChapter(folder, chapter);
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

    // The guide shows teachers the very table these checks read, row for row.
    void theGuideShowsTheFixedWordsTable()
    {
        const auto rows = fixedWords();
        QFile guide(sourceFile(QStringLiteral("docs/teachers-guide.md")));
        QVERIFY(guide.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(guide.readAll()).split(u'\n');
        const qsizetype header = lines.indexOf(QStringLiteral("| 日本語 | 英語 |"));
        QVERIFY(header >= 0);
        QStringList shown, listed;
        for (qsizetype i = header + 2; i < lines.size() && lines[i].startsWith(u'|'); ++i)
            shown.append(lines[i]);
        for (const auto &row : rows)
            listed.append(QStringLiteral("| %1 | %2 |").arg(row.japanese.join(u'・'), row.english));
        QCOMPARE(shown, listed);
    }

    // Where the Japanese holds a fixed word, the English holds its English, unless a cue names
    // the other word the English uses instead.
    void fixedWordsMeetTheirEnglish()
    {
        using namespace coursewording;
        const auto rows = fixedWords();
        // cues of grammar, which say nothing about which word stands for a fixed one
        static const QSet<QString> notAWordChoice{"a", "an", "the", "to", "for", "that", "which", "who", "it", "there",
                                                  "not", "no", "be", "will", "be going to", "have to",
                                                  "my", "your", "his", "her", "our", "their"};
        QStringList faults;
        for (const Placed &p : everyItem()) {
            const Cues cues = cuesOf(p.item.jpn);
            const bool cuedOtherWord = std::any_of(cues.use.cbegin(), cues.use.cend(), [&](const QString &w) {
                return !notAWordChoice.contains(w.toLower()) && holds(p.item.eng, w);
            });
            for (int row : fixedWordsIn(p.item.jpn, rows)) {
                if (!holds(p.item.eng, rows[row].english) && !cuedOtherWord)
                    faults.append(p.where() + QStringLiteral("  [%1 %2]").arg(rows[row].japanese.join(u'・'), rows[row].english));
            }
        }
        expectNone(faults);
    }

    // Words English may leave out stand in the English exactly where the Japanese has them.
    void wordsEnglishMayDropFollowTheJapanese()
    {
        using namespace coursewording;
        const auto rows = fixedWords();
        QStringList faults;
        for (const Placed &p : everyItem()) {
            const QList<int> found = fixedWordsIn(p.item.jpn, rows);
            for (const QString word : {QStringLiteral("now"), QStringLiteral("very")}) {
                const bool said = cuesOf(p.item.jpn).use.contains(word) || std::any_of(found.cbegin(), found.cend(), [&](int r) {
                    return wordsOf(rows[r].english).contains(word);
                });
                if (wordsOf(p.item.eng.toLower()).contains(word) && !said)
                    faults.append(p.where() + QStringLiteral("  [") + word + u']');
            }
            // one's own family goes without 私の, as a Japanese speaker says it: 父は → My father
            static const QRegularExpression ownFamily(QStringLiteral("私の(母|父|兄|姉|弟|妹|祖母|祖父|両親)"));
            if (ownFamily.match(p.item.jpn).hasMatch())
                faults.append(p.where() + QStringLiteral("  [私の]"));
            static const QRegularExpression possessive(QStringLiteral("\\b(my|your|his|her|its|our|their)\\b"));
            if (p.item.jpn.contains(QStringLiteral("自分の")) && !possessive.match(p.item.eng).hasMatch())
                faults.append(p.where() + QStringLiteral("  [自分の]"));
        }
        expectNone(faults);
    }

    // A cue asks for something of the English; the English does it.
    void everyCueIsKept()
    {
        using namespace coursewording;
        QStringList faults;
        for (const Placed &p : everyItem()) {
            const Cues cues = cuesOf(p.item.jpn);
            const QStringList words = wordsOf(p.item.eng);
            for (const QString &w : cues.use) {
                // a word's cue may name a part of it: 黒板（blackを使って） blackboard
                const bool inWord = words.size() == 1 && words.front().startsWith(w, Qt::CaseInsensitive);
                if (!holds(p.item.eng, w, false) && !inWord)
                    faults.append(p.where() + QStringLiteral("  [uses ") + w + u']');
            }
            for (const QString &w : cues.avoid) {
                if (holds(p.item.eng, w, false))
                    faults.append(p.where() + QStringLiteral("  [does not use ") + w + u']');
            }
            if (!cues.beginWith.isEmpty() && !p.item.eng.startsWith(cues.beginWith + u' ') && !p.item.eng.startsWith(cues.beginWith + u','))
                faults.append(p.where() + QStringLiteral("  [begins with ") + cues.beginWith + u']');
            if (!cues.letter.isNull()) {
                const bool kept = std::any_of(words.cbegin(), words.cend(), [&](const QString &w) {
                    return w.front().toLower() == cues.letter && (cues.letters == 0 || w.size() == cues.letters);
                });
                if (!kept)
                    faults.append(p.where() + QStringLiteral("  [letter ") + cues.letter + u']');
            }
            if (cues.words > 0 && p.item.eng.split(u' ').size() != cues.words)
                faults.append(p.where() + QStringLiteral("  [%1 words]").arg(cues.words));
        }
        expectNone(faults);
    }

    // Where English offers two natural answers, the Japanese line settles which one by a cue; a
    // line that matches `japanese` and `english` needs the cue `cue` (none: the line is never right).
    void freeChoicesAreSettled()
    {
        struct Choice {
            const char *japanese, *english, *cue;
        };
        static const Choice choices[] = {
            {"なければなりません(?!でした)", "", "(must|have to)(と[A-Za-z' ]+)*を使って"}, // not have to
            {"[てで]くれませんか", "", "(will|can)(と[A-Za-z' ]+)*を使って"},           // not can / will
            {"毎週.曜日", "", "every(と[A-Za-z' ]+)*を使って"},                         // not on Saturdays
            {"[くに]な[るりっれ]", "\\b(be|is|are|am|was|were|been)\\b", "([A-Za-z' ]+と)*be(と[A-Za-z' ]+)*を使って"}, // not get
            {"歩いて学校へ行", "", "walk(と[A-Za-z' ]+)*を使って"},                     // not go to school on foot
            {"", "\\bhaving (breakfast|lunch|dinner)\\b", "have(と[A-Za-z' ]+)*を使って"},  // not eating lunch
            {"[一二三四五六七八九十]時に", "^(?!.*o'clock)", "o'clock(と[A-Za-z' ]+)*を使わずに"},       // not at six o'clock
            {"（[^（）]*(で始まる[^（）]*語|一語で)", "[.?!]$", nullptr},               // a word takes no period
            {"", "\\b(older|younger|big|little) (sister|brother)\\b", nullptr},       // 姉 is sister
            {"兄(?!弟)|姉(?!妹)", "^(?=.* )(?!.*\\bolder\\b).*\\b(brother|sister)\\b", "([A-Za-z' ]+と)*olderを使わずに"},
            {"(?<!兄)弟|(?<!姉)妹", "^(?=.* )(?!.*\\byounger\\b).*\\b(brother|sister)\\b", "([A-Za-z' ]+と)*youngerを使わずに"},
            {"その(窓|ドア)", "", nullptr},                                              // the room's: 窓を開けなさい
            {"自分の宿題", "", nullptr},                                                 // one's homework: 宿題をする
            {"宿題を", "^(?=.* )(?!.*\\b(my|your|his|her|our|their) homework\\b)", nullptr}, // is my, your, his homework
            {"窓|ドア", "^(?=.* )(?!.*\\b[Tt]he (door|window)\\b).*\\b(door|window)\\b", nullptr}, // and it is the window
            {"[がにを][^、。（]*自分の[^、。（]*((?<![見ま])せ|のを手伝|ように)", "", nullptr}, // 自分の with two doers: whose?
            {"(住んで|働いて)い", "\\b(have|has)( \\w+)? (lived|worked)\\b", "([A-Za-z' ]+と)*beenを使わずに"}, // not been living
            {"ほうがいい", "", "([A-Za-z' ]+と)*should(と[A-Za-z' ]+)*を使って"},          // not had better
            {"いちばん好き", "", "([A-Za-z' ]+と)*the best(と[A-Za-z' ]+)*を使って"},      // not like best
        };
        QStringList faults;
        for (const Choice &c : choices) {
            const QRegularExpression japanese(QString::fromUtf8(c.japanese)), english(QString::fromUtf8(c.english));
            const QRegularExpression cue(QStringLiteral("（([^（）]*・)?%1[・）]").arg(QString::fromUtf8(c.cue ? c.cue : "")));
            for (const Placed &p : everyItem()) {
                if (japanese.match(p.item.jpn).hasMatch() && english.match(p.item.eng).hasMatch()
                    && (!c.cue || !cue.match(p.item.jpn).hasMatch()))
                    faults.append(p.where() + QStringLiteral("  [") + QString::fromUtf8(c.cue ? c.cue : c.english) + u']');
            }
        }
        expectNone(faults);
    }

    // A when / if / because clause stands where the Japanese puts it: a Japanese sentence that
    // opens with one (…時、 もし…なら、 …ので、) has an English one that opens with it and a comma;
    // only …のは、～からです puts because after the main clause; no if or when clause follows
    // one (… know when … asks, it does not add a clause).
    void clausesFollowTheJapaneseOrder()
    {
        static const QRegularExpression japaneseOpens(QStringLiteral("^(もし[^、]*|[^、]*(時|ので|たら|なら|れば))、"));
        static const QRegularExpression englishOpens(QStringLiteral("^(When|If|Because) [^,]+, \\w"));
        static const QRegularExpression japaneseReasonLast(QStringLiteral("のは、.+から(です|でした)。$"));
        static const QRegularExpression englishReasonLast(QStringLiteral("\\w because "));
        static const QRegularExpression englishTrails(QStringLiteral("\\w if |\\w(?<!\\bknow)(?<!\\bme) when "));
        QStringList faults;
        for (const Placed &p : everyItem()) {
            if (japaneseOpens.match(p.item.jpn).hasMatch() != englishOpens.match(p.item.eng).hasMatch()
                || japaneseReasonLast.match(p.item.jpn).hasMatch() != englishReasonLast.match(p.item.eng).hasMatch()
                || englishTrails.match(p.item.eng).hasMatch())
                faults.append(p.where());
        }
        expectNone(faults);
    }

    // One Japanese line asks for one English line wherever it stands, and nothing is drilled twice.
    void noLineTwiceInTheCourse()
    {
        QHash<QString, QString> japaneseAt, englishAt;
        for (int chapter = 1; chapter <= 60; ++chapter) {
            const ChapterQuestions q = readChapter(folder, chapter);
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
