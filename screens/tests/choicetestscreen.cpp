#include "screens/tests/choicetestscreen.h"

#include "look/fonts.h"
#include "look/palette.h"
#include "rules/tests/speakableenglish.h"
#include "screens/kit/uikit.h"
#include "screens/tests/feedbackblink.h"

#include <QKeyEvent>

#include <algorithm>

namespace {
const QColor kHighlight(0, 255, 0);

bool isMappedKey(int key, bool keypad)
{
    if (keypad && key >= Qt::Key_1 && key <= Qt::Key_5)
        return true;
    return key == Qt::Key_Space || key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Return
        || key == Qt::Key_Enter;
}
} // namespace

ChoiceTestScreen::ChoiceTestScreen(AppContext &context)
    : TestScreen(context, ScreenId::ChoiceTest), Rules(context.state.TestKind)
{
    const QFont answerFont = fonts::font(fonts::PGothic, 14);
    for (int i = 1; i <= 5; ++i) {
        answerLabels[i] = addLabel(this, QString(), {40, i * 30 + 120, 10, 26}, answerFont, Qt::white, Qt::black);
        answerLabels[i]->setMaximumWidth(740);
        answerLabels[i]->setCursor(Qt::PointingHandCursor);
        connect(answerLabels[i], &ClickLabel::clicked, this, [this, i] { onAnswerClicked(i); });
        connect(answerLabels[i], &ClickLabel::doubleClicked, this, [this, i] { onAnswerDoubleClicked(i); });
        reviewHeadings[i] = addLabel(this, QString(), {20, i * 30 + 120, 10, 20}, answerFont, Qt::white, Qt::black);
        reviewContents[i] = addLabel(this, QString(), {138, i * 30 + 120, 10, 20}, answerFont, Qt::white, Qt::black);
        for (ClickLabel *review : {reviewHeadings[i], reviewContents[i]}) {
            review->setMaximumWidth(760);
            review->hide();
        }
        connect(reviewHeadings[i], &ClickLabel::clicked, this, [this, i] { onReviewHeadingClicked(i); });
        connect(reviewContents[i], &ClickLabel::clicked, this, [this, i] { onReviewContentClicked(i); });
    }
    missesButton = addButton(this, QStringLiteral("間違いを確認する"), {20, 552, 200, 36}, fonts::font(fonts::PGothic, 11));
    missesButton->hide();
    connect(missesButton, &QPushButton::clicked, this, &ChoiceTestScreen::onMissesButtonClicked);

    // While the pass runs, the keys belong to the answers: no button may take Space or Enter.
    for (QPushButton *button : {missesButton, questionSelectButton, chapterSelectButton, MissPrev, MissNext})
        button->setFocusPolicy(Qt::TabFocus);
    setFocusPolicy(Qt::StrongFocus);
    setSpeechKeyHelp(QStringLiteral("[Enter] キーで答えると、その問題の英語も読み上げます。"));

    loadScreen();
    refreshSpeechButton();
}

void ChoiceTestScreen::loadScreen()
{
    M.DataDir = kDataDir;
    showTitleLines();
    Ready = loadChapter(Rules.run);
    if (!Ready)
        return;
    TestRun &run = Rules.run;
    if (Weak)
        Rules.otherAnswers = [this](int position) { return Weak->otherAnswers(Rules.run.Q_No[size_t(position)]); };
    if (M.RandomMode == 1)
        run.shuffleItems(*ctx.random);
    run.Q_Pos = 1;
    run.Pass_No = 1;
    run.Help_Count = 0;
    run.Pass_Goal = 50;
    Rules.Review_On = Rules.Pass_Done = Rules.Mis_Done = 0;
    onAnswerClicked(1);
    totalNumber->setText(QString::number(run.Q_Total));
    wrongNumber->setText(QStringLiteral("0"));
    showItem();
    setFocus();
}

void ChoiceTestScreen::showTitleLines()
{
    setWindowTitle(QStringLiteral("選択問題"));
    testNameLabel->setText(M.TestName[size_t(Rules.kind)]);
    fit(testNameLabel);
    chapterLabel->setText(chapterLine(M));
    fit(chapterLabel);
    promptLabel->setText(Rules.kind == 1 ? QStringLiteral("次の英語に適するよう日本語を選びなさい。")
                                    : QStringLiteral("次の日本文に適するよう英語を選びなさい。"));
    fit(promptLabel);
}

void ChoiceTestScreen::showItem()
{
    const TestRun &run = Rules.run;
    totalCaption->setText(QStringLiteral("全問題数"));
    totalNumber->setText(QString::number(run.Q_Total));
    showOrder();
    rightNumber->setText(QString::number(run.OK_Count));
    passNumber->setText(QString::number(run.Pass_No));
    Rules.run.computeScore();
    showScore(run);
    questionLabel->setTextColour(paletteColour(pal::White));
    questionLabel->setText(Rules.questionLine(run.Q_Pos));
    if (run.isPastEnd())
        return;
    Rules.buildItem(*ctx.random);
    showChoices();
}

void ChoiceTestScreen::showChoices()
{
    questionLabel->show();
    for (int k = 1; k <= 5; ++k) {
        answerLabels[k]->setText(Rules.Choice[size_t(k)]);
        fit(answerLabels[k]);
        answerLabels[k]->setFixedHeight(26);
        answerLabels[k]->show();
    }
}

void ChoiceTestScreen::whitenAnswers()
{
    for (ClickLabel *answer : answerLabels)
        answer->setTextColour(QColor(255, 255, 255));
}

void ChoiceTestScreen::onAnswerClicked(int i)
{
    if (Blink->isRunning())
        return;
    Rules.select(i);
    whitenAnswers();
    answerLabels[i]->setTextColour(kHighlight);
}

void ChoiceTestScreen::onAnswerDoubleClicked(int i)
{
    if (Blink->isRunning())
        return;
    onAnswerClicked(i); // the click of the double click
    if (Rules.canJudge())
        judge(false);
}

bool ChoiceTestScreen::previewKeyPress(QKeyEvent *event)
{
    const bool keypad = event->modifiers().testFlag(Qt::KeypadModifier);
    const int key = event->key();
    if (!Ready || !isMappedKey(key, keypad))
        return false;
    // Once the pass is over and no review is shown, Space and Enter work the focused button.
    if (Rules.passEnded && Rules.Review_On == 0)
        return false;
    if (Blink->isRunning())
        return true; // held back: an answer is judged once
    switch (Rules.keyEffect(key, keypad)) {
    case ChoiceTest::KeyEffect::Highlight:
        whitenAnswers();
        answerLabels[Rules.Sel]->setTextColour(kHighlight);
        break;
    case ChoiceTest::KeyEffect::Judge:
        judge(true);
        break;
    case ChoiceTest::KeyEffect::LeaveReview:
        leaveReview(false);
        break;
    case ChoiceTest::KeyEffect::None:
        break;
    }
    return true;
}

void ChoiceTestScreen::judge(bool byEnter)
{
    if (!Rules.canJudge() || Blink->isRunning())
        return;
    const bool right = Rules.isRightAnswer();
    Blink->start(right ? kRightSignal : kWrongSignal, [this, right, byEnter] {
        if (right)
            takeRightAnswer();
        else
            takeWrongAnswer();
        checkPassEnd();
        if (byEnter) // Enter also lets the learner hear the item just judged
            speak(SpeakableEnglish::choiceTestJudged(Rules));
        refreshSpeechButton();
    });
}

void ChoiceTestScreen::takeRightAnswer()
{
    const bool next = Rules.takeRightAnswer();
    rightNumber->setText(QString::number(Rules.run.OK_Count));
    showScore(Rules.run);
    showBars(Rules.run);
    if (next) {
        showItem();
        onAnswerClicked(1);
    }
}

void ChoiceTestScreen::takeWrongAnswer()
{
    Rules.takeWrongAnswer();
    for (ClickLabel *answer : answerLabels)
        answer->hide();
    placeReviewContents();
    wrongNumber->setText(QString::number(Rules.run.NG_Count));
    showScore(Rules.run);
    showBars(Rules.run);
}

void ChoiceTestScreen::placeReviewContents()
{
    const int p = Rules.run.Q_Pos;
    reviewHeadings[1]->setText(QStringLiteral("なぜ間違えたか確認をしよう。　(確認できたらここをクリックしてください）"));
    reviewHeadings[1]->setTextColour(paletteColour(pal::White));
    reviewHeadings[2]->setText(QStringLiteral("（問　　　　題）"));
    reviewHeadings[3]->setText(QStringLiteral("（正　　　　答）"));
    reviewHeadings[4]->setText(QStringLiteral("（あなたの答）"));
    reviewContents[2]->setText(Rules.questionLine(p));
    reviewContents[2]->setTextColour(paletteColour(pal::Cyan));
    reviewContents[3]->setText(Rules.answerLine(p));
    reviewContents[3]->setTextColour(paletteColour(pal::Yellow));
    reviewContents[4]->setText(Rules.lastAnswer);
    reviewContents[4]->setTextColour(paletteColour(pal::Red));

    const QFont font = fonts::font(fonts::PGothic, 14);
    for (int i = 1; i <= 4; ++i) {
        if (i >= 2)
            reviewHeadings[i]->setTextColour(paletteColour(pal::Green));
        reviewHeadings[i]->setFont(font);
        reviewHeadings[i]->move(20, i * 30 + 120);
        fit(reviewHeadings[i]);
        reviewHeadings[i]->setFixedHeight(20);
    }
    // Row 1 is the line across the top; the review proper is rows 2 to 4.
    for (int i = 2; i <= 4; ++i)
        reviewContents[i]->setFont(font);
    placeReview({reviewHeadings[2], reviewHeadings[3], reviewHeadings[4]}, {reviewContents[2], reviewContents[3], reviewContents[4]});
    for (int i = 2; i <= 4; ++i)
        reviewContents[i]->setFixedHeight(20);
    for (int i = 1; i <= 4; ++i) {
        for (ClickLabel *review : {reviewHeadings[i], reviewContents[i]}) {
            if (review == reviewContents[1])
                continue;
            review->setCursor(Qt::PointingHandCursor);
            review->show();
            review->raise();
        }
    }
}

void ChoiceTestScreen::hideReview()
{
    for (int i = 1; i <= 5; ++i) {
        reviewHeadings[i]->hide();
        reviewContents[i]->hide();
    }
    Rules.Review_On = 0;
}

void ChoiceTestScreen::leaveReview(bool byClick)
{
    if (Rules.Review_On == 0 || Blink->isRunning())
        return;
    hideReview();
    if (Rules.leaveReview()) { // leaveReview
        Rules.buildItem(*ctx.random);
        showChoices();
        onAnswerClicked(1);
        questionLabel->setText(Rules.questionLine(Rules.run.Q_Pos));
    }
    if (byClick && Rules.passEnded)
        onMissesButtonClicked();
    refreshSpeechButton();
}

void ChoiceTestScreen::onReviewHeadingClicked(int) { leaveReview(true); }
void ChoiceTestScreen::onReviewContentClicked(int) { leaveReview(true); }

void ChoiceTestScreen::checkPassEnd()
{
    if (Rules.checkPassEnd())
        finishPass();
}

void ChoiceTestScreen::finishPass()
{
    endOfPass(Rules.run, Rules.kind);
}

void ChoiceTestScreen::clearAnswers()
{
    questionLabel->hide();
    for (ClickLabel *answer : answerLabels) {
        answer->hide();
        answer->clear();
    }
}

void ChoiceTestScreen::onFullMarks()
{
    Rules.onFullMarks();
    feedbackStrip->hide();
    promptLabel->hide();
    clearAnswers();
    if (Rules.run.Pass_No == 1)
        showResult(QStringLiteral("合格おめでとうございます。"));
}

void ChoiceTestScreen::onMissedMarks()
{
    Rules.onMissedMarks();
    missesButton->show();
    feedbackStrip->hide();
    clearAnswers();
    showResult(QStringLiteral("不合格です。間違った問題を確認してください。"));
    missesButton->setFocus();
}

void ChoiceTestScreen::clearForMissList() { clearRunArea(); }

void ChoiceTestScreen::onMissesButtonClicked()
{
    clearForMissList();
    if (Rules.Mis_Done == 1)
        return;
    // A review still shown would lie across the list.
    hideReview();
    showMissList(Rules.missListLines());
}

void ChoiceTestScreen::hideTestControls()
{
    TestScreen::hideTestControls();
    for (ClickLabel *answer : answerLabels)
        answer->hide();
}

void ChoiceTestScreen::resetRun()
{
    Rules.run.resetCounters();
}

QString ChoiceTestScreen::speakableEnglish() const
{
    return SpeakableEnglish::choiceTest(Rules);
}
