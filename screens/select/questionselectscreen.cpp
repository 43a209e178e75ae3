#include "screens/select/questionselectscreen.h"

#include "look/fonts.h"
#include "look/palette.h"
#include "rules/select/questionchoices.h"
#include "screens/kit/uikit.h"

QuestionSelectScreen::QuestionSelectScreen(AppContext &context) : Screen(context, ScreenId::QuestionSelect)
{
    setFixedSize(800, 600);
    setWindowColour(this, kMidGrey);

    titlePanel = new Panel(this, kDarkGrey);
    titlePanel->setGeometry(24, 20, 752, 150);
    titleLabel = addLabel(titlePanel, QStringLiteral("問題選択"), {20, 10, 300, 40}, fonts::font(fonts::PGothic, 20, true),
                      Qt::white);
    testKindLabel = addLabel(titlePanel, QString(), {20, 60, 712, 30}, fonts::font(fonts::PGothic, 14, true),
                      QColor(fromBgr(0x0000FF)));
    chapterLabel = addLabel(titlePanel, QString(), {20, 100, 712, 36}, fonts::font(fonts::PGothic, 16, true),
                      paletteColour(pal::Yellow));

    buttonPanel = new Panel(this, kDarkGrey);
    buttonPanel->setGeometry(24, 190, 752, 390);
    const QFont bigFont = fonts::font(fonts::PGothic, 14, true);
    const QFont buttonFont = fonts::font(fonts::PGothic, 12, true);
    inOrderButton = addButton(buttonPanel, QStringLiteral("順番に問題をする"), {40, 28, 320, 72}, bigFont);
    randomButton = addButton(buttonPanel, QStringLiteral("ランダムで問題をする"), {392, 28, 320, 72}, bigFont);
    noteButton = addButton(buttonPanel, QStringLiteral("ノートで勉強する"), {40, 124, 320, 56}, buttonFont);
    printButton = addButton(buttonPanel, QStringLiteral("印刷"), {392, 124, 150, 56}, buttonFont);
    editorButton = addButton(buttonPanel, QStringLiteral("新規＆修正"), {562, 124, 150, 56}, buttonFont);
    WeakButton = addButton(buttonPanel, QStringLiteral("苦手な問題"), {40, 204, 320, 56}, buttonFont);
    WeakButton->setToolTip(QStringLiteral("これまでに間違えた問題のうち、今日が復習の日の問題を、章をまたいでテストします。"));
    const QList<QPushButton *> bar =
        addReturnBar(buttonPanel, {ScreenId::ChapterSelect, ScreenId::Menu}, {40, 308, 320, 52}, 352, buttonFont);
    chapterSelectButton = bar[0];
    menuButton = bar[1];
    printButton->setVisible(false);
    editorButton->setVisible(false);

    connect(inOrderButton, &QPushButton::clicked, this, &QuestionSelectScreen::onInOrderButtonClicked);
    connect(randomButton, &QPushButton::clicked, this, &QuestionSelectScreen::onRandomButtonClicked);
    connect(noteButton, &QPushButton::clicked, this, &QuestionSelectScreen::onNoteButtonClicked);
    connect(printButton, &QPushButton::clicked, this, &QuestionSelectScreen::onPrintButtonClicked);
    connect(editorButton, &QPushButton::clicked, this, &QuestionSelectScreen::onEditorButtonClicked);
    connect(chapterSelectButton, &QPushButton::clicked, this, &QuestionSelectScreen::onChapterSelectButtonClicked);
    connect(menuButton, &QPushButton::clicked, this, &QuestionSelectScreen::onMenuButtonClicked);
    connect(WeakButton, &QPushButton::clicked, this, &QuestionSelectScreen::WeakButton_Click);

    loadScreen();
}

void QuestionSelectScreen::loadScreen()
{
    if (offersPrintAndEditor(M.TestKind)) {
        printButton->setVisible(true);
        editorButton->setVisible(true);
    }
    showTitleLines();
}

void QuestionSelectScreen::showTitleLines()
{
    setWindowTitle(M.courseTitle + QStringLiteral("　（問題選択）"));
    testKindLabel->setText(M.TestKind >= 0 && M.TestKind <= 3 ? M.TestName[size_t(M.TestKind)] : QString());
    chapterLabel->setText(chapterLine(M));
}

void QuestionSelectScreen::startTest(int randomMode)
{
    const auto target = testScreenOf(M.TestKind);
    if (!target)
        return;
    M.RandomMode = randomMode;
    handOver(*target);
}

void QuestionSelectScreen::onInOrderButtonClicked() { startTest(0); }
void QuestionSelectScreen::onRandomButtonClicked() { startTest(1); }
void QuestionSelectScreen::onNoteButtonClicked() { handOver(ScreenId::Note); }

void QuestionSelectScreen::onPrintButtonClicked()
{
    if (offersPrintAndEditor(M.TestKind))
        handOver(ScreenId::PrintWordSheets);
}

void QuestionSelectScreen::onEditorButtonClicked()
{
    if (offersPrintAndEditor(M.TestKind))
        handOver(ScreenId::Editor);
}

void QuestionSelectScreen::onChapterSelectButtonClicked() { handOver(ScreenId::ChapterSelect); }

void QuestionSelectScreen::onMenuButtonClicked() { handOver(ScreenId::Menu); } // the navigator forgets the test kind

void QuestionSelectScreen::WeakButton_Click()
{
    const auto target = testScreenOf(M.TestKind);
    if (!target)
        return;
    // The test screen reads the record (once) and says so when nothing is due today.
    M.RandomMode = 0;
    M.WeakMode = 1;
    handOver(*target);
}
