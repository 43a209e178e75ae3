#include "screens/results/notescreen.h"

#include "files/questionbank.h"
#include "look/fonts.h"
#include "look/palette.h"
#include "screens/kit/uikit.h"

#include <QKeyEvent>
#include <QPushButton>

namespace {
struct KindTexts {
    QString caption;
    QString instruction;
};

KindTexts textsOfKind(int kind)
{
    switch (kind) {
    case 1:
        return {QStringLiteral("ノートで勉強（５問から選択テスト[英→日]）"), QStringLiteral("次の英語を日本語に直しましょう。")};
    case 2:
        return {QStringLiteral("ノートで勉強（５問から選択テスト[日→英]）"), QStringLiteral("次の日本語を英語に直しましょう。。")};
    case 3:
        return {QStringLiteral("ノートで勉強（英単語）"), QStringLiteral("次の日本語を英語に直しましょう。")};
    }
    return {};
}

bool isSpace(const QKeyEvent *event) { return event->key() == Qt::Key_Space; }
bool isEnter(const QKeyEvent *event) { return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter; }
} // namespace

NoteScreen::NoteScreen(AppContext &context) : Screen(context, ScreenId::Note)
{
    setFixedSize(800, 600);
    setWindowColour(this, kMidGrey);

    const QColor white(255, 255, 255);
    const QColor yellow(255, 255, 0);
    const QColor cyan(0, 255, 255);
    const QColor green(0, 255, 0);

    auto *head = new Panel(this, kDarkGrey);
    head->setGeometry(0, 0, 800, 96);
    testKindLabel = addLabel(head, QString(), {24, 8, 752, 40}, fonts::font(fonts::PGothic, 20, true), QColor(255, 0, 0));
    chapterLabel = addLabel(head, QString(), {24, 52, 752, 34}, fonts::font(fonts::PGothic, 16, true), green);
    instructionLabel = addLabel(this, QString(), {24, 108, 752, 30}, fonts::font(fonts::PGothic, 14, true), white, kMidGrey);

    const QFont caption = fonts::font(fonts::PGothic, 12, true);
    numberCaption = addLabel(this, QStringLiteral("問題"), {24, 150, 48, 28}, caption, white);
    numberLabel = addLabel(this, QString(), {76, 146, 60, 34}, fonts::font(fonts::PGothic, 18, true), yellow, kDarkGrey);
    numberLabel->setAlignment(Qt::AlignCenter);
    totalCaption = addLabel(this, QStringLiteral("全問題数"), {160, 150, 80, 28}, caption, white);
    totalNumber = addLabel(this, QString(), {244, 146, 60, 34}, fonts::font(fonts::PGothic, 18, true), green, kDarkGrey);
    totalNumber->setAlignment(Qt::AlignCenter);

    const QFont body = fonts::font(fonts::PGothic, 20, true);
    questionCaption = addLabel(this, QStringLiteral("問題"), {24, 206, 80, 28}, caption, white);
    questionLabel = addLabel(this, QString(), {110, 192, 666, 56}, body, white, kDarkGrey);
    hintCaption = addLabel(this, QStringLiteral("ヒント"), {24, 278, 80, 28}, caption, white);
    hintLabel = addLabel(this, QString(), {110, 264, 666, 56}, body, cyan, kDarkGrey);
    answerCaption = addLabel(this, QStringLiteral("答え"), {24, 350, 80, 28}, caption, white);
    answerLabel = addLabel(this, QString(), {110, 336, 666, 56}, body, green, kDarkGrey);
    for (ClickLabel *shown : {questionLabel, hintLabel, answerLabel}) {
        shown->setIndent(12);
        shown->setWordWrap(true);
    }

    problemLabel = addLabel(this, QString(), {24, 404, 752, 44}, fonts::font(fonts::PGothic, 11, true), yellow, kDarkGrey);
    problemLabel->setWordWrap(true);
    problemLabel->setIndent(8);
    problemLabel->hide();

    const QFont buttons = fonts::font(fonts::PGothic, 12);
    forwardButton = addButton(this, QStringLiteral("順番に見る"), {110, 460, 220, 44}, buttons);
    restartButton = addButton(this, QStringLiteral("スタートに戻る"), {350, 460, 220, 44}, buttons);
    const QList<QPushButton *> bar =
        addReturnBar(this, {ScreenId::QuestionSelect, ScreenId::ChapterSelect, ScreenId::Menu}, {24, 530, 236, 40}, 258, buttons);
    questionSelectButton = bar[0];
    chapterSelectButton = bar[1];
    menuButton = bar[2];
    connect(forwardButton, &QPushButton::clicked, this, &NoteScreen::onForwardButtonClicked);
    connect(restartButton, &QPushButton::clicked, this, &NoteScreen::onRestartButtonClicked);
    connect(questionSelectButton, &QPushButton::clicked, this, &NoteScreen::onQuestionSelectButtonClicked);
    connect(chapterSelectButton, &QPushButton::clicked, this, &NoteScreen::onChapterSelectButtonClicked);
    connect(menuButton, &QPushButton::clicked, this, &NoteScreen::onMenuButtonClicked);

    loadScreen();
}

void NoteScreen::loadScreen()
{
    M.DataDir = kDataDir;
    showTitleLines();
    // The file names of the chapters (showTitleLines) are levelFileName(n); readChapter opens the one of chosenChapter.
    const ChapterQuestions chapter = readChapter(ctx.data, M.chosenChapter);
    if (!chapter.readable()) {
        problemLabel->setText(chapter.problem + QStringLiteral("　このノートは表示できません。"));
    } else {
        problemLabel->setText(readingNotice(ctx.data, M.chosenChapter, chapter, QStringLiteral("を表示します。")));
    }
    problemLabel->setVisible(!problemLabel->text().isEmpty());

    study_ = std::make_unique<NoteStudy>(M.TestKind, chapter.items);
    totalNumber->setText(QString::number(study_->Q_Total()));
    stepForward();
}

void NoteScreen::showTitleLines()
{
    const int kind = M.TestKind >= 0 && M.TestKind <= 3 ? M.TestKind : 0;
    testKindLabel->setText(M.TestName[size_t(kind)]);
    chapterLabel->setText(chapterLine(M));
    const KindTexts texts = textsOfKind(kind);
    setWindowTitle(texts.caption);
    instructionLabel->setText(texts.instruction);
}

void NoteScreen::showView()
{
    const NoteStudy::View &view = study_->view();
    numberLabel->setText(view.number);
    questionLabel->setText(view.question);
    hintLabel->setText(view.hint);
    answerLabel->setText(view.answer);
}

void NoteScreen::stepForward()
{
    study_->stepForward();
    showView();
}

void NoteScreen::stepBack()
{
    study_->stepBack();
    showView();
}

void NoteScreen::onForwardButtonClicked() { stepForward(); }
void NoteScreen::onRestartButtonClicked() { loadScreen(); }
void NoteScreen::onQuestionSelectButtonClicked() { handOver(ScreenId::QuestionSelect); }
void NoteScreen::onChapterSelectButtonClicked() { handOver(ScreenId::ChapterSelect); }

void NoteScreen::onMenuButtonClicked() { handOver(ScreenId::Menu); } // the navigator forgets the test kind

bool NoteScreen::previewKeyPress(QKeyEvent *event)
{
    // The keys act on the whole screen and are not passed on: a Space or Enter must not
    // also press the button that has the focus.
    if (event->key() == Qt::Key_Up) {
        stepBack();
        return true;
    }
    if (event->key() == Qt::Key_Down || isSpace(event)) {
        stepForward();
        if (study_->pastLastQuestion() && isSpace(event) && event->modifiers() == Qt::ShiftModifier)
            handOver(ScreenId::QuestionSelect);
        return true;
    }
    return isEnter(event);
}

bool NoteScreen::previewKeyRelease(QKeyEvent *event)
{
    return isSpace(event) || isEnter(event);
}
