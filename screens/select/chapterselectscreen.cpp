#include "screens/select/chapterselectscreen.h"

#include "look/fonts.h"
#include "look/palette.h"
#include "rules/select/chapterlist.h"
#include "screens/kit/uikit.h"

#include <QKeyEvent>

namespace {
constexpr int kNameWidth = 220;
} // namespace

ChapterSelectScreen::ChapterSelectScreen(AppContext &context) : Screen(context, ScreenId::ChapterSelect)
{
    setFixedSize(800, 600);
    setWindowColour(this, kMidGrey);

    // The numbers' panel starts 66 pixels above the names' panel, so that number and name
    // of a chapter share a row.
    numbersPanel = new Panel(this, kDarkGrey);
    numbersPanel->setGeometry(24, 14, 40, 562);
    namesPanel = new Panel(this, Qt::black);
    namesPanel->setGeometry(68, 80, kNameWidth + 16, 496);

    testKindLabel = addLabel(this, QString(), {68, 14, 500, 30}, fonts::font(fonts::PGothic, 14, true),
                      QColor(fromBgr(0x0000FF)), kDarkGrey);
    testKindLabel->setIndent(8);
    blockLabel = addLabel(this, QString(), {68, 48, kNameWidth + 16, 26}, fonts::font(fonts::PGothic, 12, true),
                      QColor(fromBgr(0x00FF00)), kDarkGrey);
    blockLabel->setIndent(8);

    const QFont listFont = fonts::font(fonts::PGothic, 11, true);
    for (int n = 1; n <= kChapterCount; ++n) {
        ClickLabel *number = addLabel(numbersPanel, QString(), ChapterCursor::numberGeometry(n), listFont, Qt::white);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        chapterNumbers[size_t(n)] = number;
        ClickLabel *name = addLabel(namesPanel, QString(), ChapterCursor::nameGeometry(n, kNameWidth), listFont,
                                    Qt::white, Qt::black);
        name->setCursor(Qt::PointingHandCursor);
        connect(name, &ClickLabel::clicked, this, [this, n] { onChapterNameClicked(n); });
        connect(name, &ClickLabel::doubleClicked, this, [this, n] { onChapterNameDoubleClicked(n); });
        chapterNames[size_t(n)] = name;
    }
    typedDigits = addLabel(this, QString(), {720, 570, 50, 20}, fonts::font(fonts::PGothic, 10), kMidGrey, kMidGrey);

    const QFont buttonFont = fonts::font(fonts::PGothic, 12, true);
    firstBlockButton = addButton(this, QStringLiteral("MENU(F1）"), {420, 110, 260, 48}, buttonFont);
    secondBlockButton = addButton(this, QStringLiteral("MENU（F2）"), {420, 172, 260, 48}, buttonFont);
    thirdBlockButton = addButton(this, QStringLiteral("MENU（F3）"), {420, 234, 260, 48}, buttonFont);
    scoreSheetButton = addButton(this, QStringLiteral("成績表"), {420, 420, 260, 48}, buttonFont);
    menuButton = addButton(this, QStringLiteral("MENUに戻る"), {420, 490, 260, 48}, buttonFont);
    // The keys belong to the chapter list: no button takes the focus, so Space and Enter
    // always move in and choose from the list.
    for (QPushButton *button : {firstBlockButton, secondBlockButton, thirdBlockButton, scoreSheetButton, menuButton})
        button->setFocusPolicy(Qt::NoFocus);
    connect(firstBlockButton, &QPushButton::clicked, this, &ChapterSelectScreen::onFirstBlockButtonClicked);
    connect(secondBlockButton, &QPushButton::clicked, this, &ChapterSelectScreen::onSecondBlockButtonClicked);
    connect(thirdBlockButton, &QPushButton::clicked, this, &ChapterSelectScreen::onThirdBlockButtonClicked);
    connect(scoreSheetButton, &QPushButton::clicked, this, &ChapterSelectScreen::onScoreSheetButtonClicked);
    connect(menuButton, &QPushButton::clicked, this, &ChapterSelectScreen::onMenuButtonClicked);
    setFocusPolicy(Qt::StrongFocus);

    loadScreen();
}

void ChapterSelectScreen::loadScreen()
{
    if (M.TestKind >= 1 && M.TestKind <= 3)
        M.DataDir = kDataDir;
    // showTitleLines and finishedChapters
    const ChapterList list = loadChapterList(ctx.data, M);
    if (!list.problems.isEmpty())
        tellWhenShown(list.problems.join(u'\n') + QStringLiteral("\n\n項目の選択はこのまま続けられます。"), QStringLiteral("項目選択"));
    // showTitleLines
    setWindowTitle(M.courseTitle + QStringLiteral("　（項目選択）"));
    // PROGRAM_60
    testKindLabel->setText(M.TestKind >= 0 && M.TestKind <= 3 ? M.TestName[size_t(M.TestKind)] : QString());
    for (int n = 1; n <= kChapterCount; ++n)
        chapterNames[size_t(n)]->setText(M.chapterNames[size_t(n - 1)]);
    cursor.setFinished(list.Kanryo);
    // The block and chapter last chosen.
    cursor.load(M.chosenChapter, M.chapterBlock);
    showCursor();
}

void ChapterSelectScreen::showCursor()
{
    blockLabel->setText(cursor.blockCaption());
    blockLabel->setTextColour(paletteColour(cursor.blockCaptionColour()));
    for (int n = 1; n <= kChapterCount; ++n) {
        chapterNumbers[size_t(n)]->setText(cursor.numberText(n));
        chapterNumbers[size_t(n)]->setTextColour(paletteColour(cursor.numberColour(n)));
        chapterNames[size_t(n)]->setTextColour(paletteColour(cursor.nameColour(n)));
        chapterNames[size_t(n)]->setVisible(cursor.nameVisible(n));
    }
    typedDigits->setText(cursor.buffer());
}

void ChapterSelectScreen::onFirstBlockButtonClicked()
{
    cursor.showBlock(1);
    showCursor();
}

void ChapterSelectScreen::onSecondBlockButtonClicked()
{
    cursor.showBlock(2);
    showCursor();
}

void ChapterSelectScreen::onThirdBlockButtonClicked()
{
    cursor.showBlock(3);
    showCursor();
}

void ChapterSelectScreen::onChapterNameClicked(int index)
{
    cursor.highlight(index);
    showCursor();
}

void ChapterSelectScreen::onChapterNameDoubleClicked(int index)
{
    if (index >= 1 && index <= kChapterCount)
        choose(index);
}

void ChapterSelectScreen::choose(int chapter)
{
    M.chosenChapter = chapter;
    M.chapterBlock = blockOfChapter(chapter);
    handOver(ScreenId::QuestionSelect);
}

void ChapterSelectScreen::onScoreSheetButtonClicked()
{
    // TestKind stays, so that the score sheet comes back here.
    handOver(ScreenId::ScoreSheet);
}

void ChapterSelectScreen::onMenuButtonClicked() { handOver(ScreenId::Menu); } // the navigator forgets the test kind

bool ChapterSelectScreen::previewKeyPress(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_F1:
        onFirstBlockButtonClicked();
        return true;
    case Qt::Key_F2:
        onSecondBlockButtonClicked();
        return true;
    case Qt::Key_F3:
        onThirdBlockButtonClicked();
        return true;
    case Qt::Key_Space:
        cursor.space();
        showCursor();
        return true;
    case Qt::Key_Down:
        cursor.down();
        showCursor();
        return true;
    case Qt::Key_Up:
        cursor.up();
        showCursor();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (const auto chapter = cursor.enter()) {
            choose(*chapter);
            return true;
        }
        return false;
    default:
        break;
    }
    // Digits as typed, from the main keys or the keypad.
    const QString text = event->text();
    if (text.size() == 1 && text[0] >= u'0' && text[0] <= u'9') {
        cursor.typeDigit(text[0]);
        showCursor();
        return true;
    }
    return false;
}
