// The word test print screen: heading block, item and answer positions, the four modes,
// reshuffling, one copy and N copies, on the recording printer.
#include "print/qtprinter.h"
#include "screens/kit/uikit.h"
#include "screens/printing/printscreen.h"
#include "support/pdffile.h"
#include "support/testapp.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
const PrintFont kMincho12{QStringLiteral("ＭＳ 明朝"), 12, false, false};
const PrintFont kGothic12{QStringLiteral("ＭＳ Ｐゴシック"), 12, false, false};

QPointF at(const RecordedOp &op) { return {op.x, op.y}; }

// The item lines of a sheet: the writes after the four of the heading block.
QList<RecordedOp> body(const RecordedJob &job) { return job.writes().mid(4); }
} // namespace

class TestWordSheets : public QObject {
    Q_OBJECT

    PrintScreen *open(TestApp &app, int chapter)
    {
        app.ctx.state.TestKind = 3;
        app.ctx.state.chosenChapter = chapter;
        app.ctx.state.chapterNames[chapter - 1] = QStringLiteral("第%1章の名前").arg(chapter);
        app.start(ScreenId::PrintWordSheets);
        return app.currentAs<PrintScreen>();
    }

private slots:
    void showsTheChapterAndItsControls()
    {
        TestApp app;
        PrintScreen *screen = open(app, 2);
        QCOMPARE(screen->windowTitle(), QStringLiteral("英単語（印刷）"));
        QCOMPARE(screen->testNameLabel->text(), QStringLiteral("英単語テスト"));
        QCOMPARE(screen->chapterLabel->text(), QStringLiteral("No. 2\u3000第2章の名前"));
        QCOMPARE(screen->modeGroup->title(), QStringLiteral("印刷モード"));
        QCOMPARE(screen->modeButtons[2]->text(), QStringLiteral("日本語 → 英語（ランダム）"));
        QCOMPARE(screen->modeButtons[3]->text(), QStringLiteral("英語 → 日本語（順番）"));
        QCOMPARE(screen->oneAnswerButton->text(), QStringLiteral("３．答え１枚  "));
        for (int i = 1; i <= 4; ++i)
            QVERIFY(!screen->modeButtons[i]->isChecked());
        QCOMPARE(app.ctx.state.PrintMode, 1);
        QVERIFY(screen->oneTestButton->isEnabled());
        QVERIFY(app.dialogs.calls.isEmpty());
    }

    void threeItemsOnATestSheet()
    {
        TestApp app;
        PrintScreen *screen = open(app, 2);
        QTest::mouseClick(screen->oneTestButton, Qt::LeftButton);
        QCOMPARE(app.dialogs.calls.last().text, QStringLiteral("本当に１枚印刷しますか？ "));
        QCOMPARE(app.dialogs.calls.last().title, QStringLiteral("１枚印刷"));
        QCOMPARE(app.printer.jobs.size(), 1);
        const RecordedJob &job = app.printer.last();
        QVERIFY(job.ended);
        QCOMPARE(job.pages(), 1);
        QCOMPARE(job.copies(), 1);
        for (const RecordedOp &op : job.ops)
            QVERIFY(op.kind != RecordedOp::PaperSize && op.kind != RecordedOp::Copies);

        const QList<RecordedOp> writes = job.writes();
        QCOMPARE(writes.size(), 7);
        QCOMPARE(writes[0].text, QStringLiteral("英単語テスト"));
        QCOMPARE(at(writes[0]), QPointF(9700, 800));
        QCOMPARE(writes[0].font, kMincho12);
        QCOMPARE(writes[1].text, QStringLiteral("No. 2\u3000第2章の名前"));
        QCOMPARE(at(writes[1]), QPointF(480, 800));
        QCOMPARE(writes[1].font, (PrintFont{QStringLiteral("ＭＳ 明朝"), 16, true, true}));
        QCOMPARE(writes[2].text, QStringLiteral("名前（　　　　　　　　　　）　　採点（　　　　　点）"));
        QCOMPARE(at(writes[2]), QPointF(5000, 1600));
        QCOMPARE(writes[2].font, kMincho12);
        QCOMPARE(writes[3].text, QStringLiteral("次の日本語を英語にしなさい。"));
        QCOMPARE(at(writes[3]), QPointF(480, 2200));
        QCOMPARE(writes[3].font, (PrintFont{QStringLiteral("ＭＳ 明朝"), 14, true, true}));

        const QList<RecordedOp> items = writes.mid(4);
        QCOMPARE(items[0].text, QStringLiteral(" 1. 日2-1"));
        QCOMPARE(items[2].text, QStringLiteral(" 3. 日2-3"));
        QCOMPARE(at(items[0]), QPointF(600, 2920));
        QCOMPARE(at(items[1]), QPointF(600, 3440));
        QCOMPARE(at(items[2]), QPointF(600, 3960));
        QCOMPARE(items[0].font, kMincho12);
        QCOMPARE(job.ops.last().kind, RecordedOp::EndDocument);
    }

    void fiftyItemsInTwoColumns()
    {
        TestApp app;
        app.course.writeChapter(5, TestCourse::numbered(5, 51), false); // a 51st record is not read
        PrintScreen *screen = open(app, 5);
        QVERIFY(app.dialogs.calls.isEmpty());
        QTest::mouseClick(screen->modeButtons[3], Qt::LeftButton);
        QCOMPARE(app.ctx.state.PrintMode, 3);
        QTest::mouseClick(screen->oneTestButton, Qt::LeftButton);
        const RecordedJob &job = app.printer.last();
        QCOMPARE(job.writes()[3].text, QStringLiteral("次の英語を日本語にしなさい。"));
        const QList<RecordedOp> items = job.writes().mid(4);
        QCOMPARE(items.size(), 50);
        QCOMPARE(items[8].text, QStringLiteral(" 9. e5-9"));
        QCOMPARE(at(items[8]), QPointF(600, 7080));
        QCOMPARE(items[9].text, QStringLiteral(" 10. e5-10"));
        QCOMPARE(at(items[9]), QPointF(480, 7600));
        QCOMPARE(at(items[24]), QPointF(480, 15400));
        QCOMPARE(items[25].text, QStringLiteral(" 26. e5-26"));
        QCOMPARE(at(items[25]), QPointF(5880, 2920));
        QCOMPARE(at(items[49]), QPointF(5880, 15400));
        QCOMPARE(items[49].text, QStringLiteral(" 50. e5-50"));
        QCOMPARE(items[49].font, kGothic12);
        QVERIFY(!items[49].stayOnLine);
    }

    void answerSheetsPutEachAnswerUnderItsItem()
    {
        TestApp app;
        app.course.writeChapter(5, TestCourse::numbered(5, 50), false);
        PrintScreen *screen = open(app, 5);
        QTest::mouseClick(screen->oneAnswerButton, Qt::LeftButton); // mode 1: Japanese items, English answers
        QList<RecordedOp> lines = body(app.printer.last());
        QCOMPARE(lines.size(), 100);
        QCOMPARE(lines[0].text, QStringLiteral(" 1. 日5-1"));
        QVERIFY(lines[0].stayOnLine);
        QCOMPARE(lines[1].text, QStringLiteral("e5-1"));
        QCOMPARE(at(lines[1]), QPointF(1080, 3180));
        QCOMPARE(lines[1].font, kGothic12);
        QCOMPARE(at(lines[17]), QPointF(1080, 7080 + 260)); // item 9
        QCOMPARE(at(lines[19]), QPointF(1080, 7600 + 260)); // item 10
        QCOMPARE(lines[51].text, QStringLiteral("e5-26"));
        QCOMPARE(at(lines[51]), QPointF(6480, 3180));
        QCOMPARE(lines[99].text, QStringLiteral("e5-50"));
        QCOMPARE(at(lines[99]), QPointF(6480, 15660));

        QTest::mouseClick(screen->modeButtons[4], Qt::LeftButton); // English items, Japanese answers
        QTest::mouseClick(screen->modeButtons[3], Qt::LeftButton);
        QTest::mouseClick(screen->oneAnswerButton, Qt::LeftButton);
        lines = body(app.printer.last());
        QCOMPARE(lines[0].text, QStringLiteral(" 1. e5-1"));
        QCOMPARE(lines[0].font, kGothic12);
        QCOMPARE(lines[1].text, QStringLiteral("日5-1"));
        QCOMPARE(lines[1].font, kMincho12);
        QCOMPARE(app.printer.last().writes()[3].text, QStringLiteral("次の英語を日本語にしなさい。"));
    }

    void everyClickOfARandomModeShufflesAgain()
    {
        TestApp app;
        // With three items these draws give the permutation 2, 3, 1 every time.
        app.random.setValues({0.5, 0.9, 0.2});
        PrintScreen *screen = open(app, 2);
        const auto printed = [&] {
            QTest::mouseClick(screen->oneTestButton, Qt::LeftButton);
            return app.printer.last().texts().mid(4);
        };
        QTest::mouseClick(screen->modeButtons[2], Qt::LeftButton);
        QCOMPARE(app.ctx.state.PrintMode, 2);
        QCOMPARE(printed(), QStringList({QStringLiteral(" 1. 日2-2"), QStringLiteral(" 2. 日2-3"), QStringLiteral(" 3. 日2-1")}));
        QTest::mouseClick(screen->modeButtons[2], Qt::LeftButton);
        QCOMPARE(printed(), QStringList({QStringLiteral(" 1. 日2-3"), QStringLiteral(" 2. 日2-1"), QStringLiteral(" 3. 日2-2")}));
        QCOMPARE(app.random.seeds, 2);
        QTest::mouseClick(screen->modeButtons[1], Qt::LeftButton);
        QCOMPARE(printed(), QStringList({QStringLiteral(" 1. 日2-1"), QStringLiteral(" 2. 日2-2"), QStringLiteral(" 3. 日2-3")}));
        QCOMPARE(app.random.seeds, 2);
        // The answers travel with their items.
        QTest::mouseClick(screen->modeButtons[2], Qt::LeftButton);
        QTest::mouseClick(screen->oneAnswerButton, Qt::LeftButton);
        QCOMPARE(body(app.printer.last())[1].text, QStringLiteral("e2-2"));
    }

    // Fifty items, each the longest English and Japanese line of the bundled course: on
    // paper no word touches another.
    void longestItemsStayApartOnPaper_data()
    {
        QTest::addColumn<int>("sheet");
        QTest::newRow("test sheet, Japanese items") << 0;
        QTest::newRow("test sheet, English items") << 1;
        QTest::newRow("answer sheet, Japanese items") << 2;
        QTest::newRow("answer sheet, English items") << 3;
    }
    void longestItemsStayApartOnPaper()
    {
        QFETCH(int, sheet);
        const DataFolder bundled(QDir(qEnvironmentVariable("EITANGO_SOURCE_DIR")).filePath(QStringLiteral("course/E1")));
        TestQuestion longest;
        for (int chapter = 1; chapter <= 60; ++chapter) {
            for (const Question &q : readChapter(bundled, chapter).items) {
                if (q.eng.size() > longest.eng.size())
                    longest.eng = q.eng;
                if (q.jpn.size() > longest.jpn.size())
                    longest.jpn = q.jpn;
            }
        }
        QVERIFY(longest.eng.size() > 40 && longest.jpn.size() > 20);
        TestApp app;
        app.course.writeChapter(5, QList<TestQuestion>(50, longest));
        PrintScreen *screen = open(app, 5);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
        QtPrinterProvider printers;
        auto job = printers.startPdf(path, QStringLiteral("sheet"));
        void (WordSheets::*const sheets[])(PrintJob &) = {&WordSheets::testSheetJapanese, &WordSheets::testSheetEnglish,
                                                          &WordSheets::answerSheetJapanese, &WordSheets::answerSheetEnglish};
        (screen->sheets.*sheets[sheet])(*job);
        QVERIFY2(!job->failed(), qPrintable(job->problem()));

        const std::optional<QList<PdfWord>> words = pdfWords(path);
        if (!words)
            QSKIP("pdftotext is not installed");
        const QStringList overlaps = overlappingWords(*words);
        QVERIFY2(overlaps.isEmpty(), qPrintable(overlaps.join(u'\n')));
        QVERIFY(wordCount(*words, QStringLiteral("50.")) > 0);
    }

    // An item far wider than its column is narrowed as much as it takes, never cut.
    void aVeryLongItemIsPrintedWhole()
    {
        TestApp app;
        const QString item = QString(120, QChar(0x3042));
        app.course.writeChapter(2, {TestQuestion{QStringLiteral("long"), item}});
        QTest::mouseClick(open(app, 2)->oneTestButton, Qt::LeftButton);
        const QList<RecordedOp> writes = app.printer.last().writes();
        const auto printed = std::find_if(writes.begin(), writes.end(), [&](const RecordedOp &op) { return op.text.endsWith(item); });
        QVERIFY(printed != writes.end());
        QVERIFY2(printed->narrowing < 0.5, qPrintable(QString::number(printed->narrowing)));
    }

    void nCopiesPrintsOnA4WithTheTypedCount()
    {
        TestApp app;
        PrintScreen *screen = open(app, 2);
        app.dialogs.textAnswers = {QStringLiteral("3")};
        QTest::mouseClick(screen->testCopiesButton, Qt::LeftButton);
        const ScriptedDialogs::Call ask = app.dialogs.calls.last();
        QCOMPARE(ask.kind, QStringLiteral("askText"));
        QCOMPARE(ask.text, QStringLiteral("枚数を入力してください"));
        QCOMPARE(ask.defaultText, QString());
        QCOMPARE(app.dialogs.count(QStringLiteral("confirm")), 0);
        const RecordedJob &job = app.printer.last();
        QCOMPARE(job.ops[0].kind, RecordedOp::PaperSize);
        QCOMPARE(job.ops[1].kind, RecordedOp::Copies);
        QCOMPARE(job.copies(), 3);
        QCOMPARE(job.texts().size(), 7);
        QCOMPARE(screen->sheets.Copies, 0);

        app.dialogs.textAnswers = {QStringLiteral(" ９９ ")}; // typed with the Japanese input method
        QTest::mouseClick(screen->answerCopiesButton, Qt::LeftButton);
        QCOMPARE(app.printer.jobs.size(), 2);
        QCOMPARE(app.printer.last().copies(), 99);
        QCOMPARE(body(app.printer.last()).size(), 6);
        QCOMPARE(app.dialogs.count(QStringLiteral("inform")), 0);
    }

    void cancelAndBadCopyCountsPrintNothing_data()
    {
        QTest::addColumn<std::optional<QString>>("typed");
        QTest::addColumn<bool>("told");
        QTest::newRow("cancelled") << std::optional<QString>() << false;
        QTest::newRow("empty") << std::optional<QString>(QString()) << true;
        QTest::newRow("letters") << std::optional<QString>(QStringLiteral("abc")) << true;
        QTest::newRow("zero") << std::optional<QString>(QStringLiteral("0")) << true;
        QTest::newRow("too many") << std::optional<QString>(QStringLiteral("100")) << true;
        QTest::newRow("not whole") << std::optional<QString>(QStringLiteral("2.5")) << true;
        QTest::newRow("negative") << std::optional<QString>(QStringLiteral("-1")) << true;
        QTest::newRow("beyond 16 bits") << std::optional<QString>(QStringLiteral("70000")) << true;
    }
    void cancelAndBadCopyCountsPrintNothing()
    {
        QFETCH(std::optional<QString>, typed);
        QFETCH(bool, told);
        TestApp app;
        PrintScreen *screen = open(app, 2);
        app.dialogs.textAnswers = {typed};
        QTest::mouseClick(screen->testCopiesButton, Qt::LeftButton);
        QVERIFY(app.printer.jobs.isEmpty());
        QCOMPARE(app.dialogs.count(QStringLiteral("inform")), told ? 1 : 0);
        if (told)
            QVERIFY(app.dialogs.calls.last().text.contains(QStringLiteral("1 から 99")));
        QCOMPARE(screen->sheets.Copies, 0);
    }

    void cancelOfOneCopyPrintsNothing()
    {
        TestApp app;
        PrintScreen *screen = open(app, 2);
        app.dialogs.confirmAnswers = {false, false};
        QTest::mouseClick(screen->oneTestButton, Qt::LeftButton);
        QTest::mouseClick(screen->oneAnswerButton, Qt::LeftButton);
        QVERIFY(app.printer.jobs.isEmpty());
        QCOMPARE(app.dialogs.count(QStringLiteral("confirm")), 2);
    }

    void withoutAPrinterOffersAPdf()
    {
        TestApp app;
        app.printer.defaultPrinterPresent = false;
        app.dialogs.pathAnswers = {QStringLiteral("/somewhere/test.pdf")};
        app.dialogs.textAnswers = {QStringLiteral("2")};
        PrintScreen *screen = open(app, 2);
        QTest::mouseClick(screen->testCopiesButton, Qt::LeftButton);
        QCOMPARE(app.dialogs.count(QStringLiteral("choose")), 1);
        QCOMPARE(app.printer.last().target, QStringLiteral("/somewhere/test.pdf"));
        QCOMPARE(app.printer.last().copies(), 2);
        QVERIFY(app.dialogs.calls.last().text.contains(QStringLiteral("保存しました")));
    }

    void aMissingOrShortChapterFileIsNamed()
    {
        {
            TestApp app;
            PrintScreen *screen = open(app, 7);       // no question file for chapter 7
            QCOMPARE(app.dialogs.count(QStringLiteral("inform")), 1);
            QVERIFY(app.dialogs.calls.last().text.contains(QStringLiteral("LEVEL.7")));
            QVERIFY(!screen->oneTestButton->isEnabled() && !screen->answerCopiesButton->isEnabled());
        }
        {
            TestApp app;
            app.course.writeChapter(8, TestCourse::numbered(8, 4), false);
            PrintScreen *screen = open(app, 8);
            QCOMPARE(app.dialogs.count(QStringLiteral("inform")), 1);
            QVERIFY(app.dialogs.calls.last().text.contains(QStringLiteral("4 問")));
            QTest::mouseClick(screen->oneTestButton, Qt::LeftButton);
            QCOMPARE(body(app.printer.last()).size(), 4);
        }
    }

    void returnButtonsLeaveTheTestKindAlone()
    {
        const std::pair<int, ScreenId> buttons[] = {{7, ScreenId::QuestionSelect}, {5, ScreenId::ChapterSelect}, {6, ScreenId::Menu}};
        for (const auto &[number, target] : buttons) {
            TestApp app;
            PrintScreen *screen = open(app, 2);
            QPushButton *button = number == 7 ? screen->questionSelectButton : number == 5 ? screen->chapterSelectButton : screen->menuButton;
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(app.current()->id(), target);
            QCOMPARE(app.ctx.state.TestKind, 3);
            QCOMPARE(app.visibleScreens(), 1);
        }
    }
};

QTEST_MAIN(TestWordSheets)
#include "tst_printscreen.moc"
