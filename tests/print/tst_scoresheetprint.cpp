// Printing the score sheet: the three kinds on two pages at their positions, on the
// recording printer and into a real PDF file.
#include "files/coursefiles.h"
#include "print/qtprinter.h"
#include "rules/editor/chaptertexts.h"
#include "screens/kit/uikit.h"
#include "screens/results/scoresheetscreen.h"
#include "support/pdffile.h"
#include "support/scorefiles.h"
#include "support/testapp.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <numeric>
#include <QTest>

namespace {
const QString kKind1 = QStringLiteral("５問選択問題テスト（英語→日本語）");
const QString kKind2 = QStringLiteral("５問選択問題テスト（日本語→英語）");
const QString kKind3 = QStringLiteral("英単語テスト");

// The writes of one kind's half page: from its name up to the next kind's name.
QList<RecordedOp> section(const RecordedJob &job, const QString &kindName)
{
    QList<RecordedOp> result;
    bool inside = false;
    for (const RecordedOp &op : job.writes()) {
        if (op.text == kKind1 || op.text == kKind2 || op.text == kKind3)
            inside = op.text == kindName;
        if (inside)
            result.append(op);
    }
    return result;
}

std::optional<RecordedOp> find(const QList<RecordedOp> &writes, const QString &text, int nth = 0)
{
    for (const RecordedOp &op : writes) {
        if (op.text == text && nth-- == 0)
            return op;
    }
    return std::nullopt;
}

// Qt's PDF writer without a default printer, so that the sheet goes to a real PDF file.
class PdfOnlyPrinters final : public QtPrinterProvider {
public:
    DefaultPrinter findDefaultPrinter() override { return {QString(), noDefaultPrinterText(), {}}; }
};
} // namespace

class TestScoreSheetPrint : public QObject {
    Q_OBJECT

    void writeScores(TestApp &app)
    {
        const QStringList j = scoreRecords({{1, QStringLiteral("100")}, {4, QStringLiteral("10")},
            {5, QStringLiteral("11")}, {21, QStringLiteral("100")}, {60, QStringLiteral("80")}});
        const QStringList r = scoreRecords({{1, QStringLiteral("50")}, {4, QStringLiteral("11")},
            {5, QStringLiteral("99")}, {21, QStringLiteral("100")}});
        app.course.writeScores(QStringLiteral("tenj01.dat"), j);
        app.course.writeScores(QStringLiteral("tenr01.dat"), r);
        app.course.writeScores(QStringLiteral("tenj02.dat"), {QStringLiteral("70")});
        const QStringList j3 = scoreRecords({{45, QStringLiteral("103")}});
        app.course.writeScores(QStringLiteral("tenj03.dat"), j3);
    }

    ScoreSheetScreen *open(TestApp &app, int testKind)
    {
        app.ctx.state.TestKind = testKind;
        app.start(ScreenId::ScoreSheet);
        return app.currentAs<ScoreSheetScreen>();
    }

private slots:

    void printsThreeKindsOnTwoPages()
    {
        TestApp app;
        writeScores(app);
        ScoreSheetScreen *sheet = open(app, 0);
        QTest::mouseClick(sheet->printButton, Qt::LeftButton);
        QCOMPARE(app.dialogs.calls.first().text, QStringLiteral("本当に成績表を印刷しますか？ "));
        QCOMPARE(app.dialogs.calls.first().title, QStringLiteral("成績表の印刷"));
        QCOMPARE(app.printer.jobs.size(), 1);
        const RecordedJob &job = app.printer.last();
        QVERIFY(job.ended && !job.failed);
        QCOMPARE(job.pages(), 2);
        int newPages = 0;
        for (const RecordedOp &op : job.ops)
            newPages += op.kind == RecordedOp::NewPage;
        QCOMPARE(newPages, 1);
        QCOMPARE(job.ops.last().kind, RecordedOp::EndDocument);
        QCOMPARE(job.ops.first().kind, RecordedOp::PaperSize); // A4, before anything is drawn

        // Page 1: heading, kind 1 above, kind 2 below; page 2: heading, kind 3 above.
        const QList<RecordedOp> writes = job.writes();
        QCOMPARE(writes[0].text, QStringLiteral("＜＜全て＞＞の成績結果"));
        QCOMPARE(writes[1].text, QStringLiteral("英語テスト成績表"));
        QCOMPARE(QPointF(writes[0].x, writes[0].y), QPointF(480, 540));
        QCOMPARE(QPointF(writes[1].x, writes[1].y), QPointF(9200, 540));
        QCOMPARE(writes[0].font, (PrintFont{QStringLiteral("ＭＳ 明朝"), 12, false, false}));
        const auto k1 = find(writes, kKind1), k2 = find(writes, kKind2), k3 = find(writes, kKind3);
        QVERIFY(k1 && k2 && k3);
        QCOMPARE(k1->page, 1);
        QCOMPARE(k2->page, 1);
        QCOMPARE(k3->page, 2);
        QCOMPARE(QPointF(k1->x, k1->y), QPointF(480, 1500));
        QCOMPARE(QPointF(k2->x, k2->y), QPointF(480, 8800));
        QCOMPARE(QPointF(k3->x, k3->y), QPointF(480, 1500));
        QCOMPARE(k1->font, (PrintFont{QStringLiteral("ＭＳ 明朝"), 16, true, true}));
        QCOMPARE(find(writes, QStringLiteral("英語テスト成績表"), 1)->page, 2);
        QCOMPARE(writes.size(), 2 * 2 + 3 * (1 + 6 + 60) + 8 + 1 + 1); // headings; names, J/R, chapters; scores
    }

    void placesChaptersAndScoresOfTheUpperHalf()
    {
        TestApp app;
        writeScores(app);
        QTest::mouseClick(open(app, 0)->printButton, Qt::LeftButton);
        const QList<RecordedOp> kind1 = section(app.printer.last(), kKind1);

        const QList<QPointF> headings = {{3220, 2100}, {3620, 2100}, {6820, 2100}, {7220, 2100}, {10420, 2100}, {10820, 2100}};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(kind1[1 + i].text, i % 2 ? QStringLiteral("R") : QStringLiteral("J"));
            QCOMPARE(QPointF(kind1[1 + i].x, kind1[1 + i].y), headings[i]);
            QCOMPARE(kind1[1 + i].font, (PrintFont{QStringLiteral("ＭＳ Ｐゴシック"), 12, false, false}));
        }

        const auto line = [&](int n) { return find(kind1, withLeadingBlank(n) + QStringLiteral(". 題") + QString::number(n)); };
        QCOMPARE(QPointF(line(1)->x, line(1)->y), QPointF(480, 2400));
        QCOMPARE(QPointF(line(9)->x, line(9)->y), QPointF(480, 4800));
        QCOMPARE(QPointF(line(10)->x, line(10)->y), QPointF(360, 5100));
        QCOMPARE(QPointF(line(20)->x, line(20)->y), QPointF(360, 8100));
        QCOMPARE(QPointF(line(21)->x, line(21)->y), QPointF(3960, 2400));
        QCOMPARE(QPointF(line(41)->x, line(41)->y), QPointF(7560, 2400));
        QCOMPARE(QPointF(line(60)->x, line(60)->y), QPointF(7560, 8100));
        QVERIFY(line(7)->stayOnLine);
        QCOMPARE(line(7)->text, QStringLiteral(" 7. 題7"));
        QCOMPARE(line(7)->font, (PrintFont{QStringLiteral("ＭＳ 明朝"), 12, false, false}));

        // 100 and 50 of chapter 1, on its line.
        const auto hundred = find(kind1, QStringLiteral("100"));
        QCOMPARE(QPointF(hundred->x, hundred->y), QPointF(3100, 2400));
        QVERIFY(!hundred->stayOnLine);
        QCOMPARE(hundred->font, (PrintFont{QStringLiteral("ＭＳ Ｐゴシック"), 12, false, false}));
        const auto fifty = find(kind1, QStringLiteral("50"));
        QCOMPARE(QPointF(fifty->x, fifty->y), QPointF(3610, 2400));
        // Chapter 4: 10 is not printed, 11 in R at the two-digit place; chapter 5: 11 in J, 99 in R.
        QVERIFY(!find(kind1, QStringLiteral("10")));
        QCOMPARE(QPointF(find(kind1, QStringLiteral("11"))->x, find(kind1, QStringLiteral("11"))->y), QPointF(3610, 3300));
        QCOMPARE(QPointF(find(kind1, QStringLiteral("11"), 1)->x, find(kind1, QStringLiteral("11"), 1)->y), QPointF(3210, 3600));
        QCOMPARE(find(kind1, QStringLiteral("99"))->x, 3610.0);
        // Chapter 21: both 100 in the second column; chapter 60: 80 in the third.
        QCOMPARE(QPointF(find(kind1, QStringLiteral("100"), 1)->x, find(kind1, QStringLiteral("100"), 1)->y), QPointF(6700, 2400));
        QCOMPARE(QPointF(find(kind1, QStringLiteral("100"), 2)->x, find(kind1, QStringLiteral("100"), 2)->y), QPointF(7100, 2400));
        QCOMPARE(QPointF(find(kind1, QStringLiteral("80"))->x, find(kind1, QStringLiteral("80"))->y), QPointF(10410, 8100));
    }

    void placesTheLowerHalfAndPrintsRepeatedFullMarksAsStored()
    {
        TestApp app;
        writeScores(app);
        QTest::mouseClick(open(app, 0)->printButton, Qt::LeftButton);
        const QList<RecordedOp> kind2 = section(app.printer.last(), kKind2);
        QCOMPARE(QPointF(kind2[1].x, kind2[1].y), QPointF(3220, 9400));
        QCOMPARE(QPointF(kind2[6].x, kind2[6].y), QPointF(10820, 9400));
        const auto first = find(kind2, QStringLiteral(" 1. 題1"));
        QCOMPARE(QPointF(first->x, first->y), QPointF(480, 9700));
        QCOMPARE(find(kind2, QStringLiteral(" 20. 題20"))->y, 15400.0);
        QCOMPARE(QPointF(find(kind2, QStringLiteral("70"))->x, find(kind2, QStringLiteral("70"))->y), QPointF(3210, 9700));

        const QList<RecordedOp> kind3 = section(app.printer.last(), kKind3);
        QCOMPARE(find(kind3, QStringLiteral(" 1. 題1"))->y, 2400.0);
        const auto again = find(kind3, QStringLiteral("103"));
        QVERIFY(again);
        QCOMPARE(QPointF(again->x, again->y), QPointF(10300, 3600));
    }

    void cancelPrintsNothingAndChangesNothing()
    {
        TestApp app;
        writeScores(app);
        ScoreSheetScreen *sheet = open(app, 2);
        app.dialogs.confirmAnswers = {false};
        QTest::mouseClick(sheet->printButton, Qt::LeftButton);
        QVERIFY(app.printer.jobs.isEmpty());
        QCOMPARE(sheet->kindLabel->text(), QStringLiteral("成績を印刷します"));
        QCOMPARE(sheet->sheet.SheetKind, 2);
        QCOMPARE(sheet->sheet.inOrderScores[1], QStringLiteral("70"));
    }

    void afterPrintingTheSheetStillActsOnTheKindShown()
    {
        TestApp app;
        writeScores(app);
        ScoreSheetScreen *sheet = open(app, 2);
        const QImage before = sheet->table.image();
        QTest::mouseClick(sheet->printButton, Qt::LeftButton);
        QCOMPARE(app.printer.jobs.size(), 1);
        QCOMPARE(sheet->kindLabel->text(), QStringLiteral("成績を印刷します"));
        QCOMPARE(sheet->sheet.SheetKind, 2);
        QCOMPARE(sheet->sheet.inOrderScores[1], QStringLiteral("70"));
        QCOMPARE(sheet->table.image(), before);

        // A reset now clears kind 2, the kind on the screen, and names it.
        const QByteArray kind3 = app.course.bytes(QStringLiteral("tenj03.dat"));
        QTest::mouseClick(sheet->resetButton, Qt::LeftButton);
        QCOMPARE(sheet->kindLabel->text(), kKind2 + QStringLiteral("の成績を初期化します"));
        QCOMPARE(app.course.bytes(QStringLiteral("tenj02.dat")), emptyScoreFile());
        QCOMPARE(app.course.bytes(QStringLiteral("tenj03.dat")), kind3);
    }

    void withoutAPrinterTheSamePagesGoToAPdfFile()
    {
        TestApp app;
        writeScores(app);
        app.printer.defaultPrinterPresent = false;
        app.dialogs.pathAnswers = {QStringLiteral("/somewhere/成績表.pdf")};
        QTest::mouseClick(open(app, 0)->printButton, Qt::LeftButton);
        QCOMPARE(app.printer.jobs.size(), 1);
        QCOMPARE(app.printer.last().target, QStringLiteral("/somewhere/成績表.pdf"));
        QCOMPARE(app.printer.last().pages(), 2);
        QCOMPARE(app.dialogs.count(QStringLiteral("choose")), 1);

        // Declined: nothing at all.
        TestApp declined;
        declined.printer.defaultPrinterPresent = false;
        declined.dialogs.confirmAnswers = {true, false}; // print: yes; PDF instead: no
        QTest::mouseClick(open(declined, 0)->printButton, Qt::LeftButton);
        QVERIFY(declined.printer.jobs.isEmpty());
        QCOMPARE(declined.dialogs.count(QStringLiteral("askSavePath")), 0);
    }

    void writesARealPdfFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("成績表.pdf"));
        TestApp app;
        writeScores(app);
        PdfOnlyPrinters printers;
        app.ctx.printers = &printers;
        app.dialogs.pathAnswers = {path};
        QTest::mouseClick(open(app, 0)->printButton, Qt::LeftButton);
        QVERIFY(QFileInfo::exists(path));
        QCOMPARE(pdfPageCount(path), 2);
        QVERIFY(app.dialogs.calls.last().text.contains(QStringLiteral("保存しました")));

        const std::optional<QString> text = pdfText(path);
        if (!text)
            QSKIP("pdftotext is not installed");
        for (const QString &expected : {QStringLiteral("英語テスト成績表"), kKind1, kKind2, kKind3, QStringLiteral("題60"),
                                        QStringLiteral("103")})
            QVERIFY2(text->contains(expected), qPrintable(expected));
        const QStringList pages = text->split(u'\f');
        QVERIFY(pages[0].contains(kKind2) && !pages[0].contains(kKind3));
        QVERIFY(pages[1].contains(kKind3));
    }

    // The widest scores and the course's longest title in every row: on paper no word
    // touches another, and every score stands apart as a word of its own.
    void widestScoresAndLongestTitlesStayApartOnPaper()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("成績表.pdf"));
        TestApp app;
        DataFolder bundled(QDir(qEnvironmentVariable("EITANGO_SOURCE_DIR")).filePath(QStringLiteral("course/E1")));
        QStringList titles = readChapterTexts(bundled, kChapterTitlesFile).lines;
        const auto halfWidths = [](const QString &t) {
            return std::accumulate(t.begin(), t.end(), 0, [](int sum, QChar c) { return sum + (c.unicode() > 0xFF ? 2 : 1); });
        };
        std::sort(titles.begin(), titles.end(), [&](const QString &a, const QString &b) { return halfWidths(a) > halfWidths(b); });
        // The course keeps its titles short; a teacher's own may run past the J column.
        const QString title = titles.value(0) + QStringLiteral("と長い題の例");
        QVERIFY(halfWidths(title) >= 18);
        app.course.writeLines(kChapterTitlesFile, QStringList(60, title));
        for (const QString kind : {QStringLiteral("01"), QStringLiteral("02"), QStringLiteral("03")}) {
            app.course.writeScores(QStringLiteral("tenj") + kind + QStringLiteral(".dat"), QStringList(60, QStringLiteral("100")));
            app.course.writeScores(QStringLiteral("tenr") + kind + QStringLiteral(".dat"), QStringList(60, QStringLiteral("32767")));
        }
        PdfOnlyPrinters printers;
        app.ctx.printers = &printers;
        app.dialogs.pathAnswers = {path};
        QTest::mouseClick(open(app, 0)->printButton, Qt::LeftButton);
        QCOMPARE(pdfPageCount(path), 2);

        const std::optional<QList<PdfWord>> words = pdfWords(path);
        if (!words)
            QSKIP("pdftotext is not installed");
        const QStringList overlaps = overlappingWords(*words);
        QVERIFY2(overlaps.isEmpty(), qPrintable(overlaps.join(u'\n')));
        QCOMPARE(wordCount(*words, QStringLiteral("100")), 180);
        QCOMPARE(wordCount(*words, QStringLiteral("32767")), 180);
    }
};

QTEST_MAIN(TestScoreSheetPrint)
#include "tst_scoresheetprint.moc"
