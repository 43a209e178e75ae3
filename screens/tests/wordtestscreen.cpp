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

F_Eitango::F_Eitango(AppContext &context) : TestScreen(context, ScreenId::WordTest)
{
    setWindowTitle(QStringLiteral("英単語"));

    // A grey edge around the box, which is black on the black window.
    BoxEdge = new Panel(this, kMidGrey);
    BoxEdge->setGeometry(18, 148, 424, 38);
    Text1 = new AnswerBox(this);
    Text1->setFrame(false);
    Text1->setTextMargins(6, 0, 6, 0);
    Text1->setGeometry(20, 150, 420, 34);
    Text1->setFont(fonts::font(fonts::PGothic, 14));
    QPalette box = Text1->palette();
    box.setColor(QPalette::Base, Qt::black);
    box.setColor(QPalette::Text, paletteColour(pal::White));
    Text1->setPalette(box);
    connect(Text1, &QLineEdit::returnPressed, this, &F_Eitango::Text1_KeyPress_Enter);

    Command3 = addButton(this, QStringLiteral("ヒント"), {450, 150, 90, 34}, fonts::font(fonts::PGothic, 12));
    Command3->setFocusPolicy(Qt::NoFocus); // the typing stays in the answer box
    Command3->setToolTip(QStringLiteral("押している間だけ答えを表示します（押すたびに1点減点）。\n"
                                        "キーボードでは F2 キーを押している間表示します。"));

    const QFont reviewFont = fonts::font(fonts::PGothic, 12);
    const QColor contentColours[] = {QColor(0, 255, 255), QColor(255, 255, 0), QColor(255, 0, 0)};
    for (int i = 1; i <= 3; ++i) {
        Label7[i] = addLabel(this, QString(), {20, 170 + i * 30, 10, 22}, reviewFont, paletteColour(pal::Green), Qt::black);
        Label8[i] = new MarkedLabel(QString(), this);
        Label8[i]->setFont(reviewFont);
        Label8[i]->setColours(contentColours[i - 1], Qt::black);
        Label8[i]->setGeometry(138, 170 + i * 30, 10, 22);
        Label8[i]->setMaximumWidth(640);
        Label7[i]->hide();
        Label8[i]->hide();
    }
    ReviewNote = addLabel(this, QString(), {kNoteLeft, kNoteTop, 10, 22}, reviewFont, paletteColour(pal::White), Qt::black);
    ReviewNote->hide();

    const QFont buttonFont = fonts::font(fonts::PGothic, 11);
    Command2 = addButton(this, QStringLiteral("ミスをすべて確認"), {20, 552, 200, 36}, buttonFont);
    Command7 = addButton(this, QStringLiteral("再テスト"), {20, 552, 200, 36}, buttonFont);
    Command2->hide();
    Command7->hide();
    connect(Command2, &QPushButton::clicked, this, &F_Eitango::Command2_Click);
    connect(Command7, &QPushButton::clicked, this, &F_Eitango::Command7_Click);
    setSpeechKeyHelp(QStringLiteral("[Ctrl] キーだけを押しても読み上げます。"));

    Form_Load();
    refreshSpeechButton();
}

void F_Eitango::Form_Load()
{
    M.DataDir = kDataDir;
    JUNBI2();
    Ready = loadChapter(Rules.run); // JUNBI1 and SEKUSHONE
    if (!Ready)
        return;
    if (M.RandomMode == 1)
        Rules.run.JUNBI3(*ctx.random);
    Rules.run.Q_Pos = 1;
    Label5->setText(Rules.run.currentJpn());
    Label54->setText(QStringLiteral("0"));
    focusBox();
    KAITOU(); // the box is empty: only the display is refreshed
}

void F_Eitango::JUNBI2()
{
    setWindowTitle(QStringLiteral("英単語テスト"));
    Label1->setText(M.TestName[3]);
    fit(Label1);
    Label2->setText(chapterLine(M));
    fit(Label2);
    TestRun &run = Rules.run;
    run.Pass_No = 1;
    run.Pass_Goal = 100;
    run.Help_Count = 0;
    run.Score = 0;
}

void F_Eitango::focusBox()
{
    if (Text1->isVisible() || !isVisible())
        Text1->setFocus();
}

void F_Eitango::setBoxTextColour(const QColor &colour)
{
    QPalette p = Text1->palette();
    p.setColor(QPalette::Text, colour);
    Text1->setPalette(p);
}

void F_Eitango::setAnswerBoxShown(bool shown)
{
    Text1->setVisible(shown);
    BoxEdge->setVisible(shown);
    Command3->setVisible(shown); // the hint belongs to the box
}

void F_Eitango::Text1_KeyPress_Enter()
{
    if (!Ready || !Rules.takesEnter() || Blink->isRunning())
        return;
    KAITOU();
    focusBox();
}

void F_Eitango::KAITOU()
{
    TestRun &run = Rules.run;
    Label52->setText(QString::number(Rules.shownTotal()));
    showOrder();
    Label53->setText(QString::number(run.OK_Count));
    Label50->setText(QString::number(run.Pass_No));
    run.TENH();
    showScore(run);
    Label3->setText(kPrompt);
    fit(Label3);

    if (!run.isPastEnd()) {
        Label5->setText(run.currentJpn());
        const QString typed = WordTest::withoutLeadingBlanks(Text1->text());
        Text1->setText(typed);
        const WordTest::Verdict verdict = Rules.judge(typed);
        if (verdict != WordTest::Verdict::None) {
            // The box is free for the next answer at once; the judgement shows after the blink.
            Text1->clear();
            const bool right = verdict == WordTest::Verdict::Right;
            Blink->start(right ? kRightSignal : kWrongSignal, [this, right, typed] {
                if (right)
                    At();
                else
                    Hz(typed);
                if (Rules.endCheck())
                    OWARU1();
                refreshSpeechButton();
            });
            return;
        }
    }
    Text1->clear();
    if (Rules.endCheck())
        OWARU1();
    refreshSpeechButton();
}

void F_Eitango::At()
{
    const bool done = Rules.At();
    Label5->clear();
    if (done) {
        for (ClickLabel *heading : Label7)
            heading->hide();
    }
    for (ClickLabel *content : Label8)
        content->clear();
    clearReviewMarks();
    Label53->setText(QString::number(Rules.run.OK_Count));
    showScore(Rules.run);
    tenmarubatu(Rules.run);
    Label5->setText(Rules.run.currentJpn());
    focusBox();
}

void F_Eitango::MIS_H(const QString &typed)
{
    const TestRun &run = Rules.run;
    Label7[1]->setText(QStringLiteral("（問  　 　 題）"));
    Label7[2]->setText(QStringLiteral("（正        答）"));
    Label7[3]->setText(QStringLiteral("（あなたの答）"));
    Label8[1]->setText(run.currentJpn());
    Label8[2]->setText(run.currentEng());
    Label8[3]->setText(typed);
    const AnswerDiff diff = AnswerDiff::compare(typed, run.currentEng());
    Label8[2]->setMarks(diff.rightMarks);
    Label8[3]->setMarks(diff.typedMarks);
    ReviewNote->setText(MistakeClassifier::noteLine(Rules.lastMistakes, QStringLiteral("\n")));
    for (ClickLabel *heading : Label7)
        fit(heading);
    placeReview({Label7[1], Label7[2], Label7[3]}, {Label8[1], Label8[2], Label8[3]});
    for (int i = 1; i <= 3; ++i) {
        Label7[i]->show();
        Label8[i]->show();
    }
    ReviewNote->move(kNoteLeft, kNoteTop);
    fit(ReviewNote);
    ReviewNote->setVisible(!ReviewNote->text().isEmpty());
}

void F_Eitango::clearReviewMarks()
{
    for (MarkedLabel *content : Label8)
        content->setMarks({});
    ReviewNote->clear();
    ReviewNote->hide();
}

void F_Eitango::Hz(const QString &typed)
{
    MIS_H(typed);
    Rules.Hz();
    Label5->clear();
    Label54->setText(QString::number(Rules.run.NG_Count));
    tenmarubatu(Rules.run);
    Label5->setText(Rules.run.currentJpn());
    focusBox();
}

void F_Eitango::OWARU1()
{
    endOfPass(Rules.run, 3);
}

void F_Eitango::GOUKAKU()
{
    Rules.GOUKAKU();
    const bool firstPass = Rules.run.Pass_No == 1;
    Picture3->hide();
    setAnswerBoxShown(false);
    Label5->clear();
    showScore(Rules.run);
    if (firstPass) {
        showResult(QStringLiteral("合格おめでとう。"));
    } else {
        Label61->hide();
        showResult(QStringLiteral("また、挑戦してください。"));
    }
    setFocus(); // not on a return button, where a key pressed on would leave the screen
}

void F_Eitango::DAME()
{
    Command2->show();
    Picture3->hide();
    setAnswerBoxShown(false);
    Label5->clear();
    showScore(Rules.run); // a hint on the last item lowered it after the last Enter
    showResult(QStringLiteral("HELP・ミス問題をテストします。"));
    Command2->setFocus();
}

void F_Eitango::Command2_Click()
{
    clearRunArea(); // clean2
    setAnswerBoxShown(false);
    // MACHIGAIWOMOU
    Command2->hide();
    for (int i = 1; i <= 3; ++i) {
        Label7[i]->clear();
        Label8[i]->clear();
        Label7[i]->hide(); // an empty review row would lie across the list
        Label8[i]->hide();
    }
    clearReviewMarks();
    const QStringList lines = Rules.MACHIGAIWOMOU();
    showMissList(lines);
    Label3->setText(Rules.run.currentJpn());
    fit(Label3);
    if (!lines.isEmpty()) {
        Command7->show();
        Command7->setFocus();
    }
}

void F_Eitango::Command7_Click()
{
    hideMissList(); // clean3
    Rules.startRetest();
    Picture3->setColour(QColor(0, 0, 0));
    Label54->setText(QStringLiteral("0"));
    // The bars start again as one grey space each.
    for (ClickLabel *bar : {Label60, Label61}) {
        bar->setText(QStringLiteral("　"));
        bar->setBackground(kMidGrey);
        fitBar(bar);
    }
    // cleanout
    Label3->show();
    setCounterArea(true);
    Label70->show();
    Picture3->show();
    setAnswerBoxShown(true);
    Command7->hide();
    focusBox();
    KAITOU();
}

bool F_Eitango::eventFilter(QObject *watched, QEvent *event)
{
    // The screen sees the events of all its widgets (it filters the whole application).
    if (watched == Command3) {
        // Any mouse button presses the hint, as on the button's own press and release.
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
            Command3_MouseDown();
        else if (event->type() == QEvent::MouseButtonRelease)
            Command3_MouseUp();
    }
    return TestScreen::eventFilter(watched, event);
}

bool F_Eitango::previewKeyPress(QKeyEvent *event)
{
    SpeechKey.press(event->key(), event->isAutoRepeat());
    if (SpeechKey.watches(event->key()))
        return true; // types nothing; it speaks when let go on its own (not as Ctrl+V)
    if (event->key() != kHintKey)
        return false;
    if (!event->isAutoRepeat()) {
        Command3_MouseDown();
        Command3->setDown(Rules.hintShown);
    }
    return true;
}

bool F_Eitango::previewKeyRelease(QKeyEvent *event)
{
    if (SpeechKey.watches(event->key())) {
        if (SpeechKey.release(event->key(), event->isAutoRepeat()))
            speak(speakableEnglish());
        return true;
    }
    if (event->key() != kHintKey)
        return false;
    if (!event->isAutoRepeat()) {
        Command3_MouseUp();
        Command3->setDown(false);
    }
    return true;
}

void F_Eitango::Command3_MouseDown()
{
    if (!Ready || Blink->isRunning() || !Text1->isVisible())
        return;
    if (!Rules.hintDown())
        return;
    setBoxTextColour(paletteColour(pal::Yellow));
    Text1->setText(Rules.run.currentEng());
    Text1->setReadOnly(true); // the hint is to be read, not edited
}

void F_Eitango::Command3_MouseUp()
{
    if (!Rules.hintUp())
        return;
    setBoxTextColour(paletteColour(pal::White));
    Text1->setReadOnly(false);
    Text1->clear();
    focusBox();
}

void F_Eitango::hideTestControls()
{
    TestScreen::hideTestControls();
    setAnswerBoxShown(false);
}

void F_Eitango::resetRun()
{
    Rules.leave();
}

QString F_Eitango::speakableEnglish() const
{
    return SpeakableEnglish::wordTest(Rules);
}
