#include "screens/tests/wordtestscreen.h"

#include "look/fonts.h"
#include "look/palette.h"
#include "rules/tests/answerdiff.h"
#include "rules/tests/mistakeclassifier.h"
#include "rules/tests/speakableenglish.h"
#include "screens/kit/uikit.h"
#include "screens/tests/answerbox.h"
#include "screens/tests/feedbackblink.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>

namespace {
const QString kPrompt = QStringLiteral("次の日本文を英語で答えなさい。");
// The note of the review's mistakes, below the bars: the result message stands under the
// review (Part texts and positions), so the note keeps its own place.
constexpr int kNoteLeft = 20;
constexpr int kNoteTop = 486;
} // namespace

WordTestScreen::WordTestScreen(AppContext &context) : TestScreen(context, ScreenId::WordTest)
{
    setWindowTitle(QStringLiteral("英単語"));

    // A grey edge around the box, which is black on the black window.
    BoxEdge = new Panel(this, kMidGrey);
    BoxEdge->setGeometry(18, 148, 424, 38);
    answerBox = new AnswerBox(this);
    answerBox->setFrame(false);
    answerBox->setTextMargins(6, 0, 6, 0);
    answerBox->setGeometry(20, 150, 420, 34);
    answerBox->setFont(fonts::font(fonts::PGothic, 14));
    QPalette box = answerBox->palette();
    box.setColor(QPalette::Base, Qt::black);
    box.setColor(QPalette::Text, paletteColour(pal::White));
    answerBox->setPalette(box);
    connect(answerBox, &QLineEdit::returnPressed, this, &WordTestScreen::onAnswerEntered);

    hintButton = addButton(this, QStringLiteral("ヒント"), {450, 150, 90, 34}, fonts::font(fonts::PGothic, 12));
    hintButton->setFocusPolicy(Qt::NoFocus); // the typing stays in the answer box
    hintButton->setToolTip(QStringLiteral("押している間だけ答えを表示します（押すたびに1点減点）。\n"
                                        "キーボードでは F2 キーを押している間表示します。"));

    const QFont reviewFont = fonts::font(fonts::PGothic, 12);
    const QColor contentColours[] = {QColor(0, 255, 255), QColor(255, 255, 0), QColor(255, 0, 0)};
    for (int i = 1; i <= 3; ++i) {
        reviewHeadings[i] = addLabel(this, QString(), {20, 170 + i * 30, 10, 22}, reviewFont, paletteColour(pal::Green), Qt::black);
        reviewContents[i] = new MarkedLabel(QString(), this);
        reviewContents[i]->setFont(reviewFont);
        reviewContents[i]->setColours(contentColours[i - 1], Qt::black);
        reviewContents[i]->setGeometry(138, 170 + i * 30, 10, 22);
        reviewContents[i]->setMaximumWidth(640);
        reviewHeadings[i]->hide();
        reviewContents[i]->hide();
    }
    ReviewNote = addLabel(this, QString(), {kNoteLeft, kNoteTop, 10, 22}, reviewFont, paletteColour(pal::White), Qt::black);
    ReviewNote->hide();

    const QFont buttonFont = fonts::font(fonts::PGothic, 11);
    allMissesButton = addButton(this, QStringLiteral("ミスをすべて確認"), {20, 552, 200, 36}, buttonFont);
    retestButton = addButton(this, QStringLiteral("再テスト"), {20, 552, 200, 36}, buttonFont);
    allMissesButton->hide();
    retestButton->hide();
    connect(allMissesButton, &QPushButton::clicked, this, &WordTestScreen::onAllMissesButtonClicked);
    connect(retestButton, &QPushButton::clicked, this, &WordTestScreen::onRetestButtonClicked);
    setSpeechKeyHelp(QStringLiteral("[Ctrl] キーだけを押しても読み上げます。"));

    loadScreen();
    refreshSpeechButton();
}

void WordTestScreen::loadScreen()
{
    M.DataDir = kDataDir;
    showTitleLines();
    Ready = loadChapter(Rules.run); // showTitleLines and readChapterToPrint
    if (!Ready)
        return;
    if (M.RandomMode == 1)
        Rules.run.shuffleItems(*ctx.random);
    Rules.run.Q_Pos = 1;
    questionLabel->setText(Rules.run.currentJpn());
    wrongNumber->setText(QStringLiteral("0"));
    focusBox();
    judgeAnswer(); // the box is empty: only the display is refreshed
}

void WordTestScreen::showTitleLines()
{
    setWindowTitle(QStringLiteral("英単語テスト"));
    testNameLabel->setText(M.TestName[3]);
    fit(testNameLabel);
    chapterLabel->setText(chapterLine(M));
    fit(chapterLabel);
    TestRun &run = Rules.run;
    run.Pass_No = 1;
    run.Pass_Goal = 100;
    run.Help_Count = 0;
    run.Score = 0;
}

void WordTestScreen::focusBox()
{
    if (answerBox->isVisible() || !isVisible())
        answerBox->setFocus();
}

void WordTestScreen::setBoxTextColour(const QColor &colour)
{
    QPalette p = answerBox->palette();
    p.setColor(QPalette::Text, colour);
    answerBox->setPalette(p);
}

void WordTestScreen::setAnswerBoxShown(bool shown)
{
    answerBox->setVisible(shown);
    BoxEdge->setVisible(shown);
    hintButton->setVisible(shown); // the hint belongs to the box
}

void WordTestScreen::onAnswerEntered()
{
    if (!Ready || !Rules.takesEnter() || Blink->isRunning())
        return;
    judgeAnswer();
    focusBox();
}

void WordTestScreen::judgeAnswer()
{
    TestRun &run = Rules.run;
    totalNumber->setText(QString::number(Rules.shownTotal()));
    showOrder();
    rightNumber->setText(QString::number(run.OK_Count));
    passNumber->setText(QString::number(run.Pass_No));
    run.computeScore();
    showScore(run);
    promptLabel->setText(kPrompt);
    fit(promptLabel);

    if (!run.isPastEnd()) {
        questionLabel->setText(run.currentJpn());
        const QString typed = WordTest::withoutLeadingBlanks(answerBox->text());
        answerBox->setText(typed);
        const WordTest::Verdict verdict = Rules.judge(typed);
        if (verdict != WordTest::Verdict::None) {
            // The box is free for the next answer at once; the judgement shows after the blink.
            answerBox->clear();
            const bool right = verdict == WordTest::Verdict::Right;
            Blink->start(right ? kRightSignal : kWrongSignal, [this, right, typed] {
                if (right)
                    takeRightAnswer();
                else
                    takeWrongAnswer(typed);
                if (Rules.endCheck())
                    finishPass();
                refreshSpeechButton();
            });
            return;
        }
    }
    answerBox->clear();
    if (Rules.endCheck())
        finishPass();
    refreshSpeechButton();
}

void WordTestScreen::takeRightAnswer()
{
    const bool done = Rules.takeRightAnswer();
    questionLabel->clear();
    if (done) {
        for (ClickLabel *heading : reviewHeadings)
            heading->hide();
    }
    for (ClickLabel *content : reviewContents)
        content->clear();
    clearReviewMarks();
    rightNumber->setText(QString::number(Rules.run.OK_Count));
    showScore(Rules.run);
    showBars(Rules.run);
    questionLabel->setText(Rules.run.currentJpn());
    focusBox();
}

void WordTestScreen::showReview(const QString &typed)
{
    const TestRun &run = Rules.run;
    reviewHeadings[1]->setText(QStringLiteral("（問  　 　 題）"));
    reviewHeadings[2]->setText(QStringLiteral("（正        答）"));
    reviewHeadings[3]->setText(QStringLiteral("（あなたの答）"));
    reviewContents[1]->setText(run.currentJpn());
    reviewContents[2]->setText(run.currentEng());
    reviewContents[3]->setText(typed);
    const AnswerDiff diff = AnswerDiff::compare(typed, run.currentEng());
    reviewContents[2]->setMarks(diff.rightMarks);
    reviewContents[3]->setMarks(diff.typedMarks);
    ReviewNote->setText(MistakeClassifier::noteLine(Rules.lastMistakes, QStringLiteral("\n")));
    for (ClickLabel *heading : reviewHeadings)
        fit(heading);
    placeReview({reviewHeadings[1], reviewHeadings[2], reviewHeadings[3]}, {reviewContents[1], reviewContents[2], reviewContents[3]});
    for (int i = 1; i <= 3; ++i) {
        reviewHeadings[i]->show();
        reviewContents[i]->show();
    }
    ReviewNote->move(kNoteLeft, kNoteTop);
    fit(ReviewNote);
    ReviewNote->setVisible(!ReviewNote->text().isEmpty());
}

void WordTestScreen::clearReviewMarks()
{
    for (MarkedLabel *content : reviewContents)
        content->setMarks({});
    ReviewNote->clear();
    ReviewNote->hide();
}

void WordTestScreen::takeWrongAnswer(const QString &typed)
{
    showReview(typed);
    Rules.takeWrongAnswer();
    questionLabel->clear();
    wrongNumber->setText(QString::number(Rules.run.NG_Count));
    showBars(Rules.run);
    questionLabel->setText(Rules.run.currentJpn());
    focusBox();
}

void WordTestScreen::finishPass()
{
    endOfPass(Rules.run, 3);
}

void WordTestScreen::onFullMarks()
{
    Rules.onFullMarks();
    const bool firstPass = Rules.run.Pass_No == 1;
    feedbackStrip->hide();
    setAnswerBoxShown(false);
    questionLabel->clear();
    showScore(Rules.run);
    if (firstPass) {
        showResult(QStringLiteral("合格おめでとう。"));
    } else {
        wrongBar->hide();
        showResult(QStringLiteral("また、挑戦してください。"));
    }
    setFocus(); // not on a return button, where a key pressed on would leave the screen
}

void WordTestScreen::onMissedMarks()
{
    allMissesButton->show();
    feedbackStrip->hide();
    setAnswerBoxShown(false);
    questionLabel->clear();
    showScore(Rules.run); // a hint on the last item lowered it after the last Enter
    showResult(QStringLiteral("HELP・ミス問題をテストします。"));
    allMissesButton->setFocus();
}

void WordTestScreen::onAllMissesButtonClicked()
{
    clearRunArea(); // clearForMissList
    setAnswerBoxShown(false);
    // gatherMisses
    allMissesButton->hide();
    for (int i = 1; i <= 3; ++i) {
        reviewHeadings[i]->clear();
        reviewContents[i]->clear();
        reviewHeadings[i]->hide(); // an empty review row would lie across the list
        reviewContents[i]->hide();
    }
    clearReviewMarks();
    const QStringList lines = Rules.gatherMisses();
    showMissList(lines);
    promptLabel->setText(Rules.run.currentJpn());
    fit(promptLabel);
    if (!lines.isEmpty()) {
        retestButton->show();
        retestButton->setFocus();
    }
}

void WordTestScreen::onRetestButtonClicked()
{
    hideMissList(); // clean3
    Rules.startRetest();
    feedbackStrip->setColour(QColor(0, 0, 0));
    wrongNumber->setText(QStringLiteral("0"));
    // The bars start again as one grey space each.
    for (ClickLabel *bar : {rightBar, wrongBar}) {
        bar->setText(QStringLiteral("　"));
        bar->setBackground(kMidGrey);
        fitBar(bar);
    }
    // cleanout
    promptLabel->show();
    setCounterArea(true);
    resultLabel->show();
    feedbackStrip->show();
    setAnswerBoxShown(true);
    retestButton->hide();
    focusBox();
    judgeAnswer();
}

bool WordTestScreen::eventFilter(QObject *watched, QEvent *event)
{
    // The screen sees the events of all its widgets (it filters the whole application).
    if (watched == hintButton) {
        // Any mouse button presses the hint, as on the button's own press and release.
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
            onHintButtonPressed();
        else if (event->type() == QEvent::MouseButtonRelease)
            onHintButtonReleased();
    }
    return TestScreen::eventFilter(watched, event);
}

bool WordTestScreen::previewKeyPress(QKeyEvent *event)
{
    SpeechKey.press(event->key(), event->isAutoRepeat());
    if (SpeechKey.watches(event->key()))
        return true; // types nothing; it speaks when let go on its own (not as Ctrl+V)
    if (event->key() != kHintKey)
        return false;
    if (!event->isAutoRepeat()) {
        onHintButtonPressed();
        hintButton->setDown(Rules.hintShown);
    }
    return true;
}

bool WordTestScreen::previewKeyRelease(QKeyEvent *event)
{
    if (SpeechKey.watches(event->key())) {
        if (SpeechKey.release(event->key(), event->isAutoRepeat()))
            speak(speakableEnglish());
        return true;
    }
    if (event->key() != kHintKey)
        return false;
    if (!event->isAutoRepeat()) {
        onHintButtonReleased();
        hintButton->setDown(false);
    }
    return true;
}

void WordTestScreen::onHintButtonPressed()
{
    if (!Ready || Blink->isRunning() || !answerBox->isVisible())
        return;
    if (!Rules.hintDown())
        return;
    setBoxTextColour(paletteColour(pal::Yellow));
    answerBox->setText(Rules.run.currentEng());
    answerBox->setReadOnly(true); // the hint is to be read, not edited
}

void WordTestScreen::onHintButtonReleased()
{
    if (!Rules.hintUp())
        return;
    setBoxTextColour(paletteColour(pal::White));
    answerBox->setReadOnly(false);
    answerBox->clear();
    focusBox();
}

void WordTestScreen::hideTestControls()
{
    TestScreen::hideTestControls();
    setAnswerBoxShown(false);
}

void WordTestScreen::resetRun()
{
    Rules.leave();
}

QString WordTestScreen::speakableEnglish() const
{
    return SpeakableEnglish::wordTest(Rules);
}
