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

F_SentakuMondai::F_SentakuMondai(AppContext &context)
    : TestScreen(context, ScreenId::ChoiceTest), Rules(context.state.TestKind)
{
    const QFont answerFont = fonts::font(fonts::PGothic, 14);
    for (int i = 1; i <= 5; ++i) {
        Label7[i] = addLabel(this, QString(), {40, i * 30 + 120, 10, 26}, answerFont, Qt::white, Qt::black);
        Label7[i]->setMaximumWidth(740);
        Label7[i]->setCursor(Qt::PointingHandCursor);
        connect(Label7[i], &ClickLabel::clicked, this, [this, i] { Label7_Click(i); });
        connect(Label7[i], &ClickLabel::doubleClicked, this, [this, i] { Label7_DblClick(i); });
        Label10[i] = addLabel(this, QString(), {20, i * 30 + 120, 10, 20}, answerFont, Qt::white, Qt::black);
        Label11[i] = addLabel(this, QString(), {138, i * 30 + 120, 10, 20}, answerFont, Qt::white, Qt::black);
        for (ClickLabel *review : {Label10[i], Label11[i]}) {
            review->setMaximumWidth(760);
            review->hide();
        }
        connect(Label10[i], &ClickLabel::clicked, this, [this, i] { Label10_Click(i); });
        connect(Label11[i], &ClickLabel::clicked, this, [this, i] { Label11_Click(i); });
    }
    Command1 = addButton(this, QStringLiteral("間違いを確認する"), {20, 552, 200, 36}, fonts::font(fonts::PGothic, 11));
    Command1->hide();
    connect(Command1, &QPushButton::clicked, this, &F_SentakuMondai::Command1_Click);

    // While the pass runs, the keys belong to the answers: no button may take Space or Enter.
    for (QPushButton *button : {Command1, Command5, Command6, MissPrev, MissNext})
        button->setFocusPolicy(Qt::TabFocus);
    setFocusPolicy(Qt::StrongFocus);
    setSpeechKeyHelp(QStringLiteral("[Enter] キーで答えると、その問題の英語も読み上げます。"));

    Form_Load();
    refreshSpeechButton();
}

void F_SentakuMondai::Form_Load()
{
    M.DataDir = kDataDir;
    JUNBI1();
    Ready = loadChapter(Rules.run);
    if (!Ready)
        return;
    TestRun &run = Rules.run;
    if (Weak)
        Rules.otherAnswers = [this](int position) { return Weak->otherAnswers(Rules.run.Q_No[size_t(position)]); };
    if (M.RandomMode == 1)
        run.JUNBI3(*ctx.random);
    run.Q_Pos = 1;
    run.Pass_No = 1;
    run.Help_Count = 0;
    run.Pass_Goal = 50;
    Rules.Review_On = Rules.Pass_Done = Rules.Mis_Done = 0;
    Label7_Click(1);
    Label52->setText(QString::number(run.Q_Total));
    Label54->setText(QStringLiteral("0"));
    HYOUJI();
    setFocus();
}

void F_SentakuMondai::JUNBI1()
{
    setWindowTitle(QStringLiteral("選択問題"));
    Label1->setText(M.TestName[size_t(Rules.kind)]);
    fit(Label1);
    Label2->setText(chapterLine(M));
    fit(Label2);
    Label3->setText(Rules.kind == 1 ? QStringLiteral("次の英語に適するよう日本語を選びなさい。")
                                    : QStringLiteral("次の日本文に適するよう英語を選びなさい。"));
    fit(Label3);
}

void F_SentakuMondai::HYOUJI()
{
    const TestRun &run = Rules.run;
    Label30->setText(QStringLiteral("全問題数"));
    Label52->setText(QString::number(run.Q_Total));
    showOrder();
    Label53->setText(QString::number(run.OK_Count));
    Label50->setText(QString::number(run.Pass_No));
    Rules.run.TENH();
    showScore(run);
    Label5->setTextColour(paletteColour(pal::White));
    Label5->setText(Rules.questionLine(run.Q_Pos));
    if (run.isPastEnd())
        return;
    Rules.buildItem(*ctx.random);
    MONDAI2();
}

void F_SentakuMondai::MONDAI2()
{
    Label5->show();
    for (int k = 1; k <= 5; ++k) {
        Label7[k]->setText(Rules.Choice[size_t(k)]);
        fit(Label7[k]);
        Label7[k]->setFixedHeight(26);
        Label7[k]->show();
    }
}

void F_SentakuMondai::Label7White()
{
    for (ClickLabel *answer : Label7)
        answer->setTextColour(QColor(255, 255, 255));
}

void F_SentakuMondai::Label7_Click(int i)
{
    if (Blink->isRunning())
        return;
    Rules.select(i);
    Label7White();
    Label7[i]->setTextColour(kHighlight);
}

void F_SentakuMondai::Label7_DblClick(int i)
{
    if (Blink->isRunning())
        return;
    Label7_Click(i); // the click of the double click
    if (Rules.canJudge())
        judge(false);
}

bool F_SentakuMondai::previewKeyPress(QKeyEvent *event)
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
    switch (Rules.Form_KeyDown(key, keypad)) {
    case ChoiceTest::KeyEffect::Highlight:
        Label7White();
        Label7[Rules.Sel]->setTextColour(kHighlight);
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

void F_SentakuMondai::judge(bool byEnter)
{
    if (!Rules.canJudge() || Blink->isRunning())
        return;
    const bool right = Rules.isRightAnswer();
    Blink->start(right ? kRightSignal : kWrongSignal, [this, right, byEnter] {
        if (right)
            At();
        else
            Hz();
        Hantei();
        if (byEnter) // Enter also lets the learner hear the item just judged
            speak(SpeakableEnglish::choiceTestJudged(Rules));
        refreshSpeechButton();
    });
}

void F_SentakuMondai::At()
{
    const bool next = Rules.At();
    Label53->setText(QString::number(Rules.run.OK_Count));
    showScore(Rules.run);
    tenmarubatu(Rules.run);
    if (next) {
        HYOUJI();
        Label7_Click(1);
    }
}

void F_SentakuMondai::Hz()
{
    Rules.Hz();
    for (ClickLabel *answer : Label7)
        answer->hide();
    ich_Label11();
    Label54->setText(QString::number(Rules.run.NG_Count));
    showScore(Rules.run);
    tenmarubatu(Rules.run);
}

void F_SentakuMondai::ich_Label11()
{
    const int p = Rules.run.Q_Pos;
    Label10[1]->setText(QStringLiteral("なぜ間違えたか確認をしよう。　(確認できたらここをクリックしてください）"));
    Label10[1]->setTextColour(paletteColour(pal::White));
    Label10[2]->setText(QStringLiteral("（問　　　　題）"));
    Label10[3]->setText(QStringLiteral("（正　　　　答）"));
    Label10[4]->setText(QStringLiteral("（あなたの答）"));
    Label11[2]->setText(Rules.questionLine(p));
    Label11[2]->setTextColour(paletteColour(pal::Cyan));
    Label11[3]->setText(Rules.answerLine(p));
    Label11[3]->setTextColour(paletteColour(pal::Yellow));
    Label11[4]->setText(Rules.lastAnswer);
    Label11[4]->setTextColour(paletteColour(pal::Red));

    const QFont font = fonts::font(fonts::PGothic, 14);
    for (int i = 1; i <= 4; ++i) {
        if (i >= 2)
            Label10[i]->setTextColour(paletteColour(pal::Green));
        Label10[i]->setFont(font);
        Label10[i]->move(20, i * 30 + 120);
        fit(Label10[i]);
        Label10[i]->setFixedHeight(20);
    }
    // Row 1 is the line across the top; the review proper is rows 2 to 4.
    for (int i = 2; i <= 4; ++i)
        Label11[i]->setFont(font);
    placeReview({Label10[2], Label10[3], Label10[4]}, {Label11[2], Label11[3], Label11[4]});
    for (int i = 2; i <= 4; ++i)
        Label11[i]->setFixedHeight(20);
    for (int i = 1; i <= 4; ++i) {
        for (ClickLabel *review : {Label10[i], Label11[i]}) {
            if (review == Label11[1])
                continue;
            review->setCursor(Qt::PointingHandCursor);
            review->show();
            review->raise();
        }
    }
}

void F_SentakuMondai::hideReview()
{
    for (int i = 1; i <= 5; ++i) {
        Label10[i]->hide();
        Label11[i]->hide();
    }
    Rules.Review_On = 0;
}

void F_SentakuMondai::leaveReview(bool byClick)
{
    if (Rules.Review_On == 0 || Blink->isRunning())
        return;
    hideReview();
    if (Rules.leaveReview()) { // TSUGI
        Rules.buildItem(*ctx.random);
        MONDAI2();
        Label7_Click(1);
        Label5->setText(Rules.questionLine(Rules.run.Q_Pos));
    }
    if (byClick && Rules.passEnded)
        Command1_Click();
    refreshSpeechButton();
}

void F_SentakuMondai::Label10_Click(int) { leaveReview(true); }
void F_SentakuMondai::Label11_Click(int) { leaveReview(true); }

void F_SentakuMondai::Hantei()
{
    if (Rules.Hantei())
        owari();
}

void F_SentakuMondai::owari()
{
    endOfPass(Rules.run, Rules.kind);
}

void F_SentakuMondai::Label7_Clean()
{
    Label5->hide();
    for (ClickLabel *answer : Label7) {
        answer->hide();
        answer->clear();
    }
}

void F_SentakuMondai::GOUKAKU()
{
    Rules.GOUKAKU();
    Picture3->hide();
    Label3->hide();
    Label7_Clean();
    if (Rules.run.Pass_No == 1)
        showResult(QStringLiteral("合格おめでとうございます。"));
}

void F_SentakuMondai::DAME()
{
    Rules.DAME();
    Command1->show();
    Picture3->hide();
    Label7_Clean();
    showResult(QStringLiteral("不合格です。間違った問題を確認してください。"));
    Command1->setFocus();
}

void F_SentakuMondai::G_Clean() { clearRunArea(); }

void F_SentakuMondai::Command1_Click()
{
    G_Clean();
    if (Rules.Mis_Done == 1)
        return;
    // A review still shown would lie across the list.
    hideReview();
    showMissList(Rules.Mis_S());
}

void F_SentakuMondai::hideTestControls()
{
    TestScreen::hideTestControls();
    for (ClickLabel *answer : Label7)
        answer->hide();
}

void F_SentakuMondai::resetRun()
{
    Rules.run.resetCounters();
}

QString F_SentakuMondai::speakableEnglish() const
{
    return SpeakableEnglish::choiceTest(Rules);
}
