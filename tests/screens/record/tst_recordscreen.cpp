// The screen 学習の記録 as a learner and a teacher use it: reached from the menu and the
// score sheet, read with the keyboard, printed on one A4 page, exported as CSV, cleared.
#include "files/learningrecord.h"
#include "print/qtprinter.h"
#include "rules/record/passlog.h"
#include "screens/kit/uikit.h"
#include "screens/menu/menuscreen.h"
#include "screens/record/calendarview.h"
#include "screens/record/chapterchart.h"
#include "screens/record/recordscreen.h"
#include "screens/results/scoresheetscreen.h"
#include "support/pdffile.h"
#include "support/testapp.h"

#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QDate kToday(2026, 12, 10); // a Thursday

AnswerLine line(int kind, int chapter, QDate day, bool right, int score, const QString &english = QStringLiteral("e1-1"))
{
    AnswerLine a;
    a.passStart = ClockTime(day, QTime(17, 0));
    a.kind = kind;
    a.chapter = chapter;
    a.item = 1;
    a.english = english;
    a.right = right;
    a.score = score;
    a.passSeconds = 600;
    return a;
}

class PdfOnlyPrinters final : public QtPrinterProvider {
public:
    DefaultPrinter findDefaultPrinter() override { return {QString(), noDefaultPrinterText(), {}}; }
};
} // namespace

class TestRecordScreen : public QObject {
    Q_OBJECT

    std::unique_ptr<TestApp> app;
    QList<AnswerLine> lines;

    RecordScreen *open() { return qobject_cast<RecordScreen *>(app->start(ScreenId::Record)); }

private slots:
    void initTestCase() { PassLog::setClock([] { return QDateTime(kToday, QTime(20, 0)); }); }
    void init()
    {
        app = std::make_unique<TestApp>();
        app->nameChapters();
        lines = {line(1, 4, kToday.addDays(-1), true, 80), line(3, 2, kToday.addDays(-1), false, 50, "say \"hi\", Ken"),
                 line(3, 2, kToday, false, 70, "say \"hi\", Ken"), line(3, 9, kToday, true, 100)};
        QCOMPARE(LearningRecordWriter(app->ctx.data).append(lines), QString());
    }
    void cleanup() { app.reset(); }

    void reachedFromTheMenuAndTheScoreSheet()
    {
        auto *menu = qobject_cast<MenuScreen *>(app->start(ScreenId::Menu));
        QTest::mouseClick(menu->RecordButton, Qt::LeftButton);
        RecordScreen *f = app->currentAs<RecordScreen>();
        QVERIFY(f);
        QTest::mouseClick(f->scoreSheetButton, Qt::LeftButton);
        auto *sheet = app->currentAs<ScoreSheetScreen>();
        QVERIFY(sheet);
        QTest::mouseClick(sheet->RecordButton, Qt::LeftButton);
        QTest::mouseClick(app->currentAs<RecordScreen>()->menuButton, Qt::LeftButton);
        QVERIFY(app->currentAs<MenuScreen>());
    }

    void readWithTheKeyboard()
    {
        app->course.writeBytes("kiroku2026.csv", app->course.bytes("kiroku2026.csv") + "2026-12-10 18:00:00,3,0,");
        RecordScreen *f = open();
        QCOMPARE(f->RunLabel->text(), QStringLiteral("連続学習 2日"));
        QCOMPARE(f->AllLabel->text(), QStringLiteral("全期間　解答 4問　正解率 50%　学習時間 40分"));
        QVERIFY(f->NoteLabel->text().contains(QStringLiteral("1行")));
        QCOMPARE(f->MissedList->item(0)->text(), QStringLiteral("2回　No.2　say \"hi\", Ken"));

        f->Calendar->setFocus();
        QCOMPARE(f->Calendar->accessibleName(), QStringLiteral("12月10日（木）2問"));
        QTest::keyClick(f->Calendar, Qt::Key_Up);
        QCOMPARE(f->Calendar->accessibleName(), QStringLiteral("12月9日（水）2問"));
        QTest::keyClick(f->Calendar, Qt::Key_Left);
        QCOMPARE(f->Calendar->accessibleName(), QStringLiteral("12月2日（水）0問"));

        QCOMPARE(f->kindShown(), 1);
        QTest::mouseClick(f->KindButtons[2], Qt::LeftButton);
        QCOMPARE(f->Chapters->accessibleName(), QStringLiteral("No.2　最新 70点　最高 70点　2回　推移 50, 70"));
        QTest::keyClick(f->Chapters, Qt::Key_Down);
        QCOMPARE(f->Chapters->accessibleName(), QStringLiteral("No.9　最新 100点　最高 100点　1回　推移 100"));
    }

    void exportedCsvReadsBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("学習の記録.csv"));
        app->dialogs.pathAnswers = {path};
        QTest::mouseClick(open()->exportButton, Qt::LeftButton);
        QVERIFY(app->dialogs.calls.last().text.contains(QStringLiteral("書き出しました")));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> read = file.readAll().split('\n');
        QCOMPARE(read.size(), lines.size() + 2); // the heading, the lines, nothing after the last line end
        QCOMPARE(read[0] + '\n', learningrecord::headingLine());
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QVERIFY(read[i + 1].endsWith('\r'));
            QCOMPARE(learningrecord::parseLine(read[i + 1].chopped(1)), std::optional(lines[i]));
        }
    }

    void printedPageKeepsItsWordsApart()
    {
        // Every chapter of every kind with the widest scores and counts.
        QList<AnswerLine> full;
        for (int kind = 1; kind <= 3; ++kind)
            for (int chapter = 1; chapter <= 60; ++chapter)
                for (int pass = 0; pass < 10; ++pass)
                    full << line(kind, chapter, kToday.addDays(-pass), true, 100);
        QCOMPARE(LearningRecordWriter(app->ctx.data).append(full), QString());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("学習の記録.pdf"));
        PdfOnlyPrinters printers;
        app->ctx.printers = &printers;
        app->dialogs.pathAnswers = {path};
        QTest::mouseClick(open()->printButton, Qt::LeftButton);
        QCOMPARE(pdfPageCount(path), 1);
        if (qEnvironmentVariableIsSet("KEEP_RECORD_PDF"))
            QFile::copy(path, qEnvironmentVariable("KEEP_RECORD_PDF"));
        const std::optional<QList<PdfWord>> words = pdfWords(path);
        if (!words)
            QSKIP("pdftotext is not installed");
        const QStringList overlaps = overlappingWords(*words);
        QVERIFY2(overlaps.isEmpty(), qPrintable(overlaps.join(u'\n')));
        QCOMPARE(wordCount(*words, QStringLiteral("No.60")), 3);
        // Chapter 4 of kind 1 and 9 of kind 3 have one pass more, chapter 2 of kind 3 two.
        QCOMPARE(wordCount(*words, QStringLiteral("10回")), 177);
        QCOMPARE(wordCount(*words, QStringLiteral("11回")), 2);
        QCOMPARE(wordCount(*words, QStringLiteral("12回")), 1);
        for (const PdfWord &w : *words) // nothing narrowed to a cut
            QVERIFY2(!w.text.startsWith(QStringLiteral("No.")) || w.text.size() >= 4, qPrintable(w.text));
        QVERIFY(pdfText(path)->contains(QStringLiteral("連続学習 10日")));
    }

    void clearedWithAKindsScoresOrOnItsOwn()
    {
        app->ctx.state.TestKind = 0;
        auto *sheet = qobject_cast<ScoreSheetScreen *>(app->start(ScreenId::ScoreSheet));
        QTest::mouseClick(sheet->wordTestButton, Qt::LeftButton); // 英単語
        app->dialogs.confirmAnswers = {true, true};         // reset, and the record too
        QTest::mouseClick(sheet->resetButton, Qt::LeftButton);
        QCOMPARE(LearningRecordReader(app->ctx.data).readAll().lines, QList<AnswerLine>{lines[0]});

        RecordScreen *f = open();
        app->dialogs.confirmAnswers = {false};
        QTest::mouseClick(f->clearButton, Qt::LeftButton);
        QCOMPARE(LearningRecordReader(app->ctx.data).readAll().lines.size(), 1);
        QTest::mouseClick(f->clearButton, Qt::LeftButton);
        QVERIFY(LearningRecordReader(app->ctx.data).fileNames().isEmpty());
        QCOMPARE(f->AllLabel->text(), QStringLiteral("全期間　解答 0問　正解率 0%　学習時間 0分"));
    }
};

QTEST_MAIN(TestRecordScreen)
#include "tst_recordscreen.moc"
