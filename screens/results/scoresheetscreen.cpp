#include "screens/results/scoresheetscreen.h"

#include "files/learningrecord.h"
#include "look/fonts.h"
#include "look/palette.h"
#include "print/scoresheetprint.h"
#include "screens/kit/dialogs.h"
#include "screens/kit/uikit.h"
#include "screens/printing/printrun.h"
#include "screens/results/picturebox.h"

#include <QEvent>

namespace {
const QString kTitle = QStringLiteral("成績表");
} // namespace

ScoreSheetScreen::ScoreSheetScreen(AppContext &context)
    : Screen(context, ScreenId::ScoreSheet), sheet(context.state, context.data), table(sheet)
{
    setWindowTitle(kTitle);
    setFixedSize(800, 600);
    setWindowColour(this, kMidGrey);

    topBar = new Panel(this, kDarkGrey);
    topBar->setGeometry(0, 0, 800, 48);
    kindLabel = addLabel(this, QString(), {4, 6, 792, 38}, fonts::font(fonts::PGothic, 21.75), paletteColour(pal::Red));
    tableBox = new PictureBox(table.image(), this);
    tableBox->move(5, 52);

    const QFont buttonFont = fonts::font(fonts::PGothic, 11);
    resetButton = addButton(this, QStringLiteral("初期化"), {5, 556, 100, 36}, buttonFont);
    printButton = addButton(this, QStringLiteral("印刷"), {110, 556, 100, 36}, buttonFont);
    englishToJapaneseButton = addButton(this, QStringLiteral("５拓(英→日）"), {215, 556, 100, 36}, buttonFont);
    japaneseToEnglishButton = addButton(this, QStringLiteral("５拓(日→英）"), {320, 556, 100, 36}, buttonFont);
    wordTestButton = addButton(this, QStringLiteral("英単語"), {425, 556, 100, 36}, buttonFont);
    RecordButton = addButton(this, QStringLiteral("学習の記録"), {530, 556, 110, 36}, buttonFont);
    connect(RecordButton, &QPushButton::clicked, this, [this] { handOver(ScreenId::Record); });
    backButton = addButton(this, QString(), {645, 556, 150, 36}, buttonFont);

    connect(resetButton, &QPushButton::clicked, this, &ScoreSheetScreen::onResetButtonClicked);
    connect(printButton, &QPushButton::clicked, this, &ScoreSheetScreen::onPrintButtonClicked);
    connect(englishToJapaneseButton, &QPushButton::clicked, this, &ScoreSheetScreen::onEnglishToJapaneseButtonClicked);
    connect(japaneseToEnglishButton, &QPushButton::clicked, this, &ScoreSheetScreen::onJapaneseToEnglishButtonClicked);
    connect(wordTestButton, &QPushButton::clicked, this, &ScoreSheetScreen::onWordTestButtonClicked);
    connect(backButton, &QPushButton::clicked, this, &ScoreSheetScreen::onBackButtonClicked);

    loadScreen();
}

void ScoreSheetScreen::loadScreen()
{
    const int kind = M.TestKind;
    if (kind < 1 || kind > 3) {
        // Opened from the menu.
        sheet.SheetKind = 1;
        kindLabel->setText(QStringLiteral("５問選択問題テスト（英語→日本語）"));
        sheet.readTitles();
        backButton->setText(QStringLiteral("MENUに戻る"));
        sheet.loadKindScores();
        table.drawTable();
        redrawn();
    } else {
        sheet.SheetKind = kind;
        sheet.readTitles();
        backButton->setText(QStringLiteral("項目選択"));
        showKind(kind);
    }
    reportProblems();
}

void ScoreSheetScreen::onActivated()
{
    sheet.loadKindScores();
    table.drawTable();
    redrawn();
    reportProblems();
}

bool ScoreSheetScreen::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        windowActivated();
    return Screen::event(event);
}

// Each time the window becomes active again the scores are read anew. The table is drawn
// again only when they changed (and then on blank cells), so showing the screen just after
// loading it, or closing one of its own message boxes, draws nothing twice.
void ScoreSheetScreen::windowActivated()
{
    sheet.loadKindScores();
    if (!table.showsSheet()) {
        table.blankCells();
        table.drawTable();
        redrawn();
    }
    reportProblems();
}

void ScoreSheetScreen::showKind(int kind)
{
    kindLabel->setText(M.TestName[kind]);
    sheet.clearTitles();
    table.blankCells();
    sheet.SheetKind = kind;
    sheet.readTitles();
    onActivated();
}

void ScoreSheetScreen::onResetButtonClicked()
{
    sheet.ResetName = M.TestName[sheet.SheetKind];
    kindLabel->setText(sheet.ResetName + QStringLiteral("の成績を初期化します"));
    if (!ctx.dialogs->confirm(this, QStringLiteral("成績を初期化していいですか？"), QStringLiteral("成績の初期化")))
        return;
    QString problem = sheet.clearKindScores();
    if (problem.isEmpty() && ctx.dialogs->confirm(this, QStringLiteral("学習の記録からも、このテストの記録を消去しますか？"),
                                                  QStringLiteral("成績の初期化")))
        problem = LearningRecordWriter(ctx.data).clearKind(sheet.SheetKind);
    if (!problem.isEmpty())
        ctx.dialogs->inform(this, problem, QStringLiteral("成績の初期化"));
    // Drawn from the files as they are now: after a failed write the old scores show again.
    table.blankCells();
    onActivated();
}

void ScoreSheetScreen::onPrintButtonClicked()
{
    kindLabel->setText(QStringLiteral("成績を印刷します"));
    if (!ctx.dialogs->confirm(this, QStringLiteral("本当に成績表を印刷しますか？ "), QStringLiteral("成績表の印刷")))
        return;
    // The print gets the titles and the records of every kind as they are in the files now;
    // the sheet keeps the kind it shows, so that a redraw or a reset acts on what the learner sees.
    const ScoreSheetKinds kinds = kindsToPrint();
    printPages(ctx, this, kTitle, [&kinds](PrintJob &job) { ScoreSheetPrint(kinds, job).printAllKinds(); });
    reportProblems();
}

ScoreSheetKinds ScoreSheetScreen::kindsToPrint()
{
    ScoreSheetKinds kinds;
    for (int kind = 1; kind <= 3; ++kind) {
        ScoreSheetKind &printed = kinds[size_t(kind - 1)];
        printed.name = M.TestName[size_t(kind)];
        printed.titles = sheet.TitleLine;
        sheet.readKindScores(kind, printed.inOrderRecords, printed.randomRecords);
    }
    return kinds;
}

void ScoreSheetScreen::onBackButtonClicked()
{
    handOver(M.TestKind >= 1 && M.TestKind <= 3 ? ScreenId::ChapterSelect : ScreenId::Menu);
}

void ScoreSheetScreen::redrawn()
{
    tableBox->update();
}

void ScoreSheetScreen::reportProblems()
{
    for (const FileProblem &problem : sheet.takeProblems()) {
        if (reported_.contains(problem.file))
            continue;
        reported_.insert(problem.file);
        ctx.dialogs->inform(this, problem.message, kTitle);
    }
}
