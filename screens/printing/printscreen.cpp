#include "screens/printing/printscreen.h"

#include "look/fonts.h"
#include "look/palette.h"
#include "screens/kit/dialogs.h"
#include "screens/kit/uikit.h"
#include "screens/printing/printrun.h"

#include <QGroupBox>
#include <QRadioButton>

PrintScreen::PrintScreen(AppContext &context)
    : Screen(context, ScreenId::PrintWordSheets), sheets(context.state, *context.random)
{
    setWindowTitle(QStringLiteral("印刷（英単語）"));
    setFixedSize(800, 600);
    setWindowColour(this, kMidGrey);

    testNamePanel = new Panel(this, kDarkGrey);
    testNamePanel->setGeometry(20, 16, 760, 56);
    testNameLabel = addLabel(this, QString(), {32, 22, 736, 44}, fonts::font(fonts::PGothic, 21.75), paletteColour(pal::Red));
    chapterPanel = new Panel(this, kDarkGrey);
    chapterPanel->setGeometry(20, 80, 760, 44);
    chapterLabel = addLabel(this, QString(), {32, 84, 736, 36}, fonts::font(fonts::PGothic, 15.75), paletteColour(pal::Green));
    blankLabel = addLabel(this, QString(), {20, 132, 760, 20}, fonts::font(fonts::PGothic, 10), Qt::white, kDarkGrey);

    modeGroup = new QGroupBox(QStringLiteral("印刷モード"), this);
    modeGroup->setFont(fonts::font(fonts::PGothic, 12));
    modeGroup->setGeometry(40, 176, 360, 280);
    const QString captions[] = {QStringLiteral("日本語 → 英語（順番）"), QStringLiteral("日本語 → 英語（ランダム）"),
                                QStringLiteral("英語 → 日本語（順番）"), QStringLiteral("英語 → 日本語（ランダム）")};
    for (int i = 1; i <= 4; ++i) {
        modeButtons[i] = new QRadioButton(captions[i - 1], modeGroup);
        modeButtons[i]->setFont(fonts::font(fonts::PGothic, 14));
        modeButtons[i]->setGeometry(24, 40 + (i - 1) * 58, 320, 40);
        // Every click counts, also on the mode already chosen: a random mode shuffles again.
        connect(modeButtons[i], &QRadioButton::clicked, this, [this, i] { onModeButtonClicked(i); });
    }

    const QFont buttonFont = fonts::font(fonts::PGothic, 14, true);
    oneTestButton = addButton(this, QStringLiteral("１．テスト1枚"), {440, 186, 320, 52}, buttonFont);
    testCopiesButton = addButton(this, QStringLiteral("２．テストＮ枚"), {440, 252, 320, 52}, buttonFont);
    oneAnswerButton = addButton(this, QStringLiteral("３．答え１枚  "), {440, 318, 320, 52}, buttonFont);
    answerCopiesButton = addButton(this, QStringLiteral("４．答えＮ枚  "), {440, 384, 320, 52}, buttonFont);
    const QFont backFont = fonts::font(fonts::PGothic, 12);
    const QList<QPushButton *> bar =
        addReturnBar(this, {ScreenId::QuestionSelect, ScreenId::ChapterSelect, ScreenId::Menu}, {40, 508, 230, 48}, 245, backFont);
    questionSelectButton = bar[0];
    chapterSelectButton = bar[1];
    menuButton = bar[2];

    connect(oneTestButton, &QPushButton::clicked, this, &PrintScreen::onOneTestButtonClicked);
    connect(testCopiesButton, &QPushButton::clicked, this, &PrintScreen::onTestCopiesButtonClicked);
    connect(oneAnswerButton, &QPushButton::clicked, this, &PrintScreen::onOneAnswerButtonClicked);
    connect(answerCopiesButton, &QPushButton::clicked, this, &PrintScreen::onAnswerCopiesButtonClicked);
    connect(questionSelectButton, &QPushButton::clicked, this, &PrintScreen::onQuestionSelectButtonClicked);
    connect(chapterSelectButton, &QPushButton::clicked, this, &PrintScreen::onChapterSelectButtonClicked);
    connect(menuButton, &QPushButton::clicked, this, &PrintScreen::onMenuButtonClicked);

    loadScreen();
}

void PrintScreen::loadScreen()
{
    M.DataDir = kDataDir;
    showTitleLines();
    readChapterToPrint();
    onModeButtonClicked(1); // mode 1 to begin with, though no option is shown chosen
    sheets.Copies = 0;
}

void PrintScreen::showTitleLines()
{
    testNameLabel->setText(M.TestKind >= 0 && M.TestKind <= 3 ? M.TestName[M.TestKind] : QString());
    chapterLabel->setText(chapterLine(M));
    if (M.TestKind == 3)
        setWindowTitle(QStringLiteral("英単語（印刷）"));
    for (QPushButton *b : {oneTestButton, testCopiesButton, oneAnswerButton, answerCopiesButton})
        b->setEnabled(true);
}

void PrintScreen::readChapterToPrint()
{
    const ChapterQuestions chapter = readChapter(ctx.data, M.chosenChapter);
    sheets.setChapter(chapter.items, chapterLabel->text());
    const QString title = windowTitle();
    if (!chapter.readable()) {
        // Nothing to print: the sheets would hold a heading only.
        for (QPushButton *b : {oneTestButton, testCopiesButton, oneAnswerButton, answerCopiesButton})
            b->setEnabled(false);
        ctx.dialogs->inform(this, chapter.problem + QStringLiteral("\n問題がないので印刷できません。"), title);
    } else if (const QString notice = readingNotice(ctx.data, M.chosenChapter, chapter, QStringLiteral("を印刷します。"));
               !notice.isEmpty()) {
        ctx.dialogs->inform(this, notice, title);
    }
}

bool PrintScreen::japaneseItems() const
{
    return M.PrintMode != 3 && M.PrintMode != 4;
}

void PrintScreen::printOneCopy(void (WordSheets::*sheet)(PrintJob &), const QString &documentName)
{
    if (!ctx.dialogs->confirm(this, QStringLiteral("本当に１枚印刷しますか？ "), QStringLiteral("１枚印刷")))
        return;
    printPages(ctx, this, documentName, [this, sheet](PrintJob &job) { (sheets.*sheet)(job); });
}

void PrintScreen::printCopies(void (WordSheets::*sheet)(PrintJob &), const QString &documentName)
{
    const std::optional<QString> typed =
        ctx.dialogs->askText(this, QStringLiteral("枚数を入力してください"), windowTitle(), QString());
    if (!typed)
        return; // cancelled
    const std::optional<int> copies = WordSheets::copiesFromText(*typed);
    if (!copies) {
        ctx.dialogs->inform(this, QStringLiteral("枚数は 1 から 99 までの数で入力してください。印刷はしていません。"),
                            windowTitle());
        return;
    }
    sheets.Copies = *copies;
    printPages(ctx, this, documentName, [this, sheet](PrintJob &job) { (sheets.*sheet)(job); });
    sheets.Copies = 0;
}

namespace {
QString documentName(const QString &kind, int chapter)
{
    return kind + QStringLiteral("_No.") + QString::number(chapter);
}
} // namespace

void PrintScreen::onOneTestButtonClicked()
{
    printOneCopy(japaneseItems() ? &WordSheets::testSheetJapanese : &WordSheets::testSheetEnglish,
                 documentName(QStringLiteral("英単語テスト"), M.chosenChapter));
}

void PrintScreen::onTestCopiesButtonClicked()
{
    printCopies(japaneseItems() ? &WordSheets::testSheetsJapanese : &WordSheets::testSheetsEnglish,
                documentName(QStringLiteral("英単語テスト"), M.chosenChapter));
}

void PrintScreen::onOneAnswerButtonClicked()
{
    printOneCopy(japaneseItems() ? &WordSheets::answerSheetJapanese : &WordSheets::answerSheetEnglish,
                 documentName(QStringLiteral("英単語テストの答え"), M.chosenChapter));
}

void PrintScreen::onAnswerCopiesButtonClicked()
{
    printCopies(japaneseItems() ? &WordSheets::answerSheetsJapanese : &WordSheets::answerSheetsEnglish,
                documentName(QStringLiteral("英単語テストの答え"), M.chosenChapter));
}
