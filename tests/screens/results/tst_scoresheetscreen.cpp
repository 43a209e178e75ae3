// The score sheet screen: the colour table drawn from real score files, pixel by pixel,
// switching kinds, the reset, the return button and bad files.
#include "screens/kit/uikit.h"
#include "screens/results/picturebox.h"
#include "screens/results/scoresheetscreen.h"
#include "support/scorefiles.h"
#include "support/testapp.h"

#include <QDir>
#include <QPushButton>
#include <QTest>

namespace {
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kGreen = qRgb(0, 255, 0);
const QRgb kNavy = qRgb(0, 0, 128);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kMagenta = qRgb(255, 0, 255);

int blockLeft(int chapter) { return 19 + (chapter - 1) / 20 * 250; }
int rowOf(int chapter) { return chapter - (chapter - 1) / 20 * 20; }

// The inside of a cell of a chapter: 0 number, 1 title, 2 J, 3 R.
QRect inside(int chapter, int cell)
{
    const int L = blockLeft(chapter);
    const int r = rowOf(chapter);
    static const int x1[] = {1, 21, 197, 224};
    static const int x2[] = {19, 195, 222, 249};
    return QRect(QPoint(L + x1[cell], 22 * r + 15), QPoint(L + x2[cell], 22 * r + 35));
}

// The bounding box of the pixels of one colour in an area (empty when there are none).
QRect boxOf(const QImage &image, const QRect &area, QRgb colour)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) == colour)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// True when every pixel of the area is one of the given colours.
bool onlyColours(const QImage &image, const QRect &area, std::initializer_list<QRgb> colours)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (std::find(colours.begin(), colours.end(), image.pixel(x, y)) == colours.end())
                return false;
        }
    }
    return true;
}

// What the learner sees of the table.
QImage shown(ScoreSheetScreen *sheet)
{
    return sheet->tableBox->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Digits of 10 points are 3 to 7 pixels wide each (a "1" is the narrowest).
bool widthFitsDigits(int width, int digits)
{
    static const int low[] = {0, 2, 11, 18};
    static const int high[] = {0, 8, 16, 23};
    return width >= low[digits] && width <= high[digits];
}

void sendActivate(QWidget *w)
{
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(w, &activate);
}

// A folder where the score file should be: it exists but cannot be read.
void makeUnreadable(TestApp &app, const QString &name)
{
    const QDir root(app.course.root());
    QFile::remove(root.filePath(name));
    QVERIFY(root.mkdir(name));
}

} // namespace

class TestScoreSheet : public QObject {
    Q_OBJECT

    // Kind 1 holds every case of the cell rule; kinds 2 and 3 are as the course sets them up.
    void writeKindOneScores(TestApp &app)
    {
        const QStringList j = scoreRecords({{1, QStringLiteral("100")}, {2, QStringLiteral("80")},
            {3, QStringLiteral("50")}, {4, QStringLiteral("10")}, {5, QStringLiteral("9")}, {6, QString()},
            {7, QStringLiteral("101")}, {8, QStringLiteral("109")}, {9, QStringLiteral("110")},
            {10, QStringLiteral("0")}, {11, QStringLiteral("79")}, {45, QStringLiteral("85")}});
        const QStringList r = scoreRecords({{1, QStringLiteral("50")}, {7, QStringLiteral("110")},
            {9, QStringLiteral("101")}, {21, QStringLiteral("100")}, {60, QStringLiteral("abc")}});
        app.course.writeScores(QStringLiteral("tenj01.dat"), j);
        app.course.writeScores(QStringLiteral("tenr01.dat"), r);
    }

    ScoreSheetScreen *openFromMenu(TestApp &app)
    {
        app.ctx.state.TestKind = 0;
        app.start(ScreenId::ScoreSheet);
        TestApp::settle();
        return app.currentAs<ScoreSheetScreen>();
    }

private slots:
    void drawsEachScoreByTheCellRule_data()
    {
        QTest::addColumn<int>("chapter");
        QTest::addColumn<int>("cell"); // 2 J, 3 R
        QTest::addColumn<uint>("fill");
        QTest::addColumn<int>("textX"); // offset from the block's left edge; -1 = no text
        QTest::addColumn<int>("digits");
        QTest::newRow("100 on blue") << 1 << 2 << uint(kBlue) << 200 << 3;
        QTest::newRow("80 on navy") << 2 << 2 << uint(kNavy) << 207 << 2;
        QTest::newRow("50 without fill") << 3 << 2 << uint(kBlack) << 207 << 2;
        QTest::newRow("10 without fill") << 4 << 2 << uint(kBlack) << 207 << 2;
        QTest::newRow("9 shows nothing") << 5 << 2 << uint(kBlack) << -1 << 0;
        QTest::newRow("empty shows nothing") << 6 << 2 << uint(kBlack) << -1 << 0;
        QTest::newRow("101 shows 1 on magenta") << 7 << 2 << uint(kMagenta) << 214 << 1;
        QTest::newRow("109 shows 9") << 8 << 2 << uint(kMagenta) << 214 << 1;
        QTest::newRow("110 shows 10") << 9 << 2 << uint(kMagenta) << 207 << 2;
        QTest::newRow("0 shows nothing") << 10 << 2 << uint(kBlack) << -1 << 0;
        QTest::newRow("79 without fill") << 11 << 2 << uint(kBlack) << 207 << 2;
        QTest::newRow("third block 85") << 45 << 2 << uint(kNavy) << 207 << 2;
        QTest::newRow("R 50") << 1 << 3 << uint(kBlack) << 234 << 2;
        QTest::newRow("R 110 shows 10") << 7 << 3 << uint(kMagenta) << 234 << 2;
        QTest::newRow("R 101 shows 1") << 9 << 3 << uint(kMagenta) << 241 << 1;
        QTest::newRow("second block R 100") << 21 << 3 << uint(kBlue) << 227 << 3;
        QTest::newRow("R not a number") << 60 << 3 << uint(kBlack) << -1 << 0;
    }
    void drawsEachScoreByTheCellRule()
    {
        QFETCH(int, chapter);
        QFETCH(int, cell);
        QFETCH(uint, fill);
        QFETCH(int, textX);
        QFETCH(int, digits);
        TestApp app;
        writeKindOneScores(app);
        ScoreSheetScreen *sheet = openFromMenu(app);
        QVERIFY(sheet);
        const QImage image = shown(sheet);
        const QRect area = inside(chapter, cell);
        QCOMPARE(image.pixel(area.topLeft()), QRgb(fill));
        QCOMPARE(image.pixel(area.bottomRight()), QRgb(fill));
        QVERIFY(onlyColours(image, area, {QRgb(fill), kWhite}));
        const QRect text = boxOf(image, area, kWhite);
        if (textX < 0) {
            QVERIFY(text.isEmpty());
            return;
        }
        const int x = blockLeft(chapter) + textX;
        const int y = 22 * rowOf(chapter) + 20;
        QVERIFY2(text.left() >= x && text.left() <= x + 2, qPrintable(QString::number(text.left() - blockLeft(chapter))));
        QVERIFY2(text.top() >= y && text.top() <= y + 3, qPrintable(QString::number(text.top() - y)));
        QVERIFY2(widthFitsDigits(text.width(), digits), qPrintable(QString::number(text.width())));
    }

    void drawsHeadingsGridNumbersAndTitles()
    {
        TestApp app;
        ScoreSheetScreen *sheet = openFromMenu(app);
        const QImage image = shown(sheet);
        for (int block = 0; block < 3; ++block) {
            const int L = 19 + block * 250;
            // "項目名", "J", "R" in green above the grid.
            const QRect heading = boxOf(image, QRect(L + 22, 14, 60, 20), kGreen);
            QVERIFY(!heading.isEmpty() && heading.left() <= L + 26 && heading.top() >= 16);
            QVERIFY(boxOf(image, QRect(L + 206, 14, 10, 20), kGreen).left() <= L + 208);
            QVERIFY(boxOf(image, QRect(L + 233, 14, 10, 20), kGreen).left() <= L + 235);
            // The outlines, rows sharing their edges: y 36 to 476.
            for (int x : {0, 20, 196, 223, 250}) {
                for (int y : {36, 47, 58, 240, 476})
                    QCOMPARE(image.pixel(L + x, y), kGreen);
            }
            for (int x : {1, 100, 210, 249}) {
                QCOMPARE(image.pixel(L + x, 36), kGreen);
                QCOMPARE(image.pixel(L + x, 58), kGreen);
                QCOMPARE(image.pixel(L + x, 476), kGreen);
            }
        }
        // The outlines end at the last row: below it the area stays black.
        QCOMPARE(image.pixel(19, 477), kBlack);
        QCOMPARE(image.pixel(19, 13), kBlack);

        for (int n = 1; n <= 60; ++n) {
            const QRect number = boxOf(image, inside(n, 0), kGreen);
            const int x = blockLeft(n) + (n < 10 ? 12 : 5);
            QVERIFY2(number.left() >= x && number.left() <= x + 2, qPrintable(QStringLiteral("chapter %1").arg(n)));
            QVERIFY(number.top() >= 22 * rowOf(n) + 20 && number.top() <= 22 * rowOf(n) + 23);
            QVERIFY(widthFitsDigits(number.width(), n < 10 ? 1 : 2));
            // Titles "題n" in white from L + 26.
            const QRect title = boxOf(image, inside(n, 1), kWhite);
            QVERIFY(title.left() >= blockLeft(n) + 26 && title.left() <= blockLeft(n) + 28);
            QVERIFY(title.top() >= 22 * rowOf(n) + 18 && title.top() <= 22 * rowOf(n) + 21);
        }
    }

    void aLongTitleStaysInItsCell()
    {
        TestApp app;
        QStringList titles;
        for (int n = 1; n <= 60; ++n)
            titles << QStringLiteral("とても長い章の題名がここに続いていてセルに入りきらない%1").arg(n);
        app.course.writeLines(QStringLiteral("E1.DAT"), titles);
        const QImage image = shown(openFromMenu(app));
        QVERIFY(boxOf(image, inside(1, 1), kWhite).right() >= inside(1, 1).right() - 4); // cut at the edge
        QVERIFY(boxOf(image, inside(1, 2), kWhite).isEmpty());
        QVERIFY(boxOf(image, inside(1, 3), kWhite).isEmpty());
    }

    void switchingToAnEmptyKindLeavesNothingBehind()
    {
        TestApp app;
        QStringList full(60, QStringLiteral("100")), again(60, QStringLiteral("105"));
        app.course.writeScores(QStringLiteral("tenj01.dat"), full);
        app.course.writeScores(QStringLiteral("tenr01.dat"), again);
        ScoreSheetScreen *sheet = openFromMenu(app);
        QCOMPARE(shown(sheet).pixel(inside(33, 2).topLeft()), kBlue);

        QTest::mouseClick(sheet->wordTestButton, Qt::LeftButton);
        QCOMPARE(sheet->kindLabel->text(), QStringLiteral("英単語テスト"));
        QCOMPARE(sheet->sheet.SheetKind, 3);
        const QImage switched = shown(sheet);
        for (int n = 1; n <= 60; ++n) {
            QVERIFY(onlyColours(switched, inside(n, 2), {kBlack}));
            QVERIFY(onlyColours(switched, inside(n, 3), {kBlack}));
            QVERIFY(!boxOf(switched, inside(n, 1), kWhite).isEmpty()); // the titles are back
        }

        // Pixel for pixel what a sheet opened on kind 3 shows.
        TestApp fresh;
        fresh.ctx.state.TestKind = 3;
        fresh.start(ScreenId::ScoreSheet);
        QCOMPARE(switched, shown(fresh.currentAs<ScoreSheetScreen>()));

        QTest::mouseClick(sheet->englishToJapaneseButton, Qt::LeftButton);
        QCOMPARE(sheet->kindLabel->text(), QStringLiteral("５問選択問題テスト（英語→日本語）"));
        QCOMPARE(shown(sheet).pixel(inside(60, 3).topLeft()), kMagenta);
        QTest::mouseClick(sheet->japaneseToEnglishButton, Qt::LeftButton);
        QCOMPARE(sheet->kindLabel->text(), QStringLiteral("５問選択問題テスト（日本語→英語）"));
        QCOMPARE(shown(sheet), switched);
    }

    void resetEmptiesBothFilesOfTheKindShownAfterConfirmation()
    {
        TestApp app;
        app.course.writeScores(QStringLiteral("tenj02.dat"), {QStringLiteral("100"), QStringLiteral("55")});
        app.course.writeScores(QStringLiteral("tenr02.dat"), {QStringLiteral("101")});
        app.course.writeScores(QStringLiteral("tenj01.dat"), {QStringLiteral("77")});
        const QByteArray kindOne = app.course.bytes(QStringLiteral("tenj01.dat"));
        app.ctx.state.TestKind = 2;
        app.start(ScreenId::ScoreSheet);
        auto *sheet = app.currentAs<ScoreSheetScreen>();
        QCOMPARE(shown(sheet).pixel(inside(1, 2).topLeft()), kBlue);

        app.dialogs.confirmAnswers = {false};
        QTest::mouseClick(sheet->resetButton, Qt::LeftButton);
        QCOMPARE(sheet->kindLabel->text(), QStringLiteral("５問選択問題テスト（日本語→英語）の成績を初期化します"));
        QCOMPARE(app.dialogs.calls.last().text, QStringLiteral("成績を初期化していいですか？"));
        QCOMPARE(app.dialogs.calls.last().title, QStringLiteral("成績の初期化"));
        QVERIFY(app.course.bytes(QStringLiteral("tenj02.dat")) != emptyScoreFile());
        QCOMPARE(shown(sheet).pixel(inside(1, 2).topLeft()), kBlue);

        QTest::mouseClick(sheet->resetButton, Qt::LeftButton); // answered OK
        QCOMPARE(app.course.bytes(QStringLiteral("tenj02.dat")), emptyScoreFile());
        QCOMPARE(app.course.bytes(QStringLiteral("tenr02.dat")), emptyScoreFile());
        QCOMPARE(app.course.bytes(QStringLiteral("tenj01.dat")), kindOne);
        const QImage image = shown(sheet);
        for (int n = 1; n <= 60; ++n) {
            QVERIFY(onlyColours(image, inside(n, 2), {kBlack}));
            QVERIFY(onlyColours(image, inside(n, 3), {kBlack}));
            QVERIFY(!boxOf(image, inside(n, 0), kGreen).isEmpty());
            QVERIFY(!boxOf(image, inside(n, 1), kWhite).isEmpty());
        }
    }

    void aResetThatCannotWriteSaysSoAndKeepsTheScores()
    {
        TestApp app;
        app.course.writeScores(QStringLiteral("tenr01.dat"), {QStringLiteral("100")});
        makeUnreadable(app, QStringLiteral("tenj01.dat")); // cannot be read nor replaced
        ScoreSheetScreen *sheet = openFromMenu(app);
        QCOMPARE(app.dialogs.count(QStringLiteral("inform")), 1);
        QVERIFY(app.dialogs.calls.last().text.contains(QStringLiteral("tenj01.dat")));

        QTest::mouseClick(sheet->resetButton, Qt::LeftButton);
        QCOMPARE(app.dialogs.count(QStringLiteral("inform")), 2);
        QVERIFY(app.dialogs.calls.last().text.contains(QStringLiteral("書き込めませんでした")));
        QVERIFY(app.course.bytes(QStringLiteral("tenr01.dat")).startsWith("100\r\n"));
        QCOMPARE(shown(sheet).pixel(inside(1, 3).topLeft()), kBlue);
    }

    void returnsToWhereItWasOpenedFrom()
    {
        {
            TestApp app;
            ScoreSheetScreen *sheet = openFromMenu(app);
            QCOMPARE(sheet->windowTitle(), QStringLiteral("成績表"));
            QCOMPARE(sheet->kindLabel->text(), QStringLiteral("５問選択問題テスト（英語→日本語）"));
            QCOMPARE(sheet->backButton->text(), QStringLiteral("MENUに戻る"));
            QTest::mouseClick(sheet->backButton, Qt::LeftButton);
            QCOMPARE(app.current()->id(), ScreenId::Menu);
            QCOMPARE(app.visibleScreens(), 1);
        }
        {
            TestApp app;
            app.ctx.state.TestKind = 2;
            app.start(ScreenId::ScoreSheet);
            auto *sheet = app.currentAs<ScoreSheetScreen>();
            QCOMPARE(sheet->sheet.SheetKind, 2);
            QCOMPARE(sheet->kindLabel->text(), QStringLiteral("５問選択問題テスト（日本語→英語）"));
            QCOMPARE(sheet->backButton->text(), QStringLiteral("項目選択"));
            QTest::mouseClick(sheet->wordTestButton, Qt::LeftButton); // another kind shown: still goes back
            QTest::mouseClick(sheet->backButton, Qt::LeftButton);
            QCOMPARE(app.current()->id(), ScreenId::ChapterSelect);
            QCOMPARE(app.ctx.state.TestKind, 2);
        }
    }

    void activationRedrawsOnlyWhatChanged()
    {
        TestApp app;
        ScoreSheetScreen *sheet = openFromMenu(app);
        sheet->activateWindow();
        TestApp::settle();
        sendActivate(sheet);
        QCOMPARE(sheet->table.drawCount(), 1); // loading drew it; showing it again changes nothing

        app.course.writeScores(QStringLiteral("tenj01.dat"), {QStringLiteral("100")});
        sendActivate(sheet);
        QCOMPARE(sheet->table.drawCount(), 2);
        QCOMPARE(shown(sheet).pixel(inside(1, 2).topLeft()), kBlue);

        // Scores that went down leave no old fill behind.
        app.course.writeScores(QStringLiteral("tenj01.dat"), {QStringLiteral("40")});
        sendActivate(sheet);
        const QImage image = shown(sheet);
        QCOMPARE(image.pixel(inside(1, 2).topLeft()), kBlack);
        QVERIFY(!boxOf(image, inside(1, 2), kWhite).isEmpty());
    }

    void badFilesShowEmptyCellsAndAreNamedOnce()
    {
        TestApp app;
        QFile::remove(QDir(app.course.root()).filePath(QStringLiteral("E1.DAT")));
        app.course.writeLines(QStringLiteral("tenj01.dat"), {QStringLiteral("100"), QStringLiteral("80")}); // 2 of 60 lines
        makeUnreadable(app, QStringLiteral("tenr01.dat"));
        ScoreSheetScreen *sheet = openFromMenu(app);
        sendActivate(sheet);
        QTest::mouseClick(sheet->japaneseToEnglishButton, Qt::LeftButton);
        QTest::mouseClick(sheet->englishToJapaneseButton, Qt::LeftButton);

        QCOMPARE(app.dialogs.count(QStringLiteral("inform")), 3);
        QString told;
        for (const auto &call : app.dialogs.calls)
            told += call.text + u'\n';
        QVERIFY(told.contains(QStringLiteral("E1.DAT")));
        QVERIFY(told.contains(QStringLiteral("tenj01.dat")) && told.contains(QStringLiteral("60行")));
        QVERIFY(told.contains(QStringLiteral("tenr01.dat")));

        const QImage image = shown(sheet);
        QCOMPARE(image.pixel(inside(1, 2).topLeft()), kBlue);
        QCOMPARE(image.pixel(inside(2, 2).topLeft()), kNavy);
        QVERIFY(onlyColours(image, inside(3, 2), {kBlack}));
        QVERIFY(onlyColours(image, inside(1, 1), {kBlack})); // no titles
        QVERIFY(onlyColours(image, inside(1, 3), {kBlack}));
        // Nothing was written back.
        QVERIFY(QFileInfo(QDir(app.course.root()).filePath(QStringLiteral("tenr01.dat"))).isDir());
        QCOMPARE(app.course.bytes(QStringLiteral("tenj01.dat")), QByteArray("100\r\n80\r\n"));
    }
};

QTEST_MAIN(TestScoreSheet)
#include "tst_scoresheetscreen.moc"
