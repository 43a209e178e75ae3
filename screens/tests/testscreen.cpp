#include "screens/tests/testscreen.h"

#include "files/learningrecord.h"

#include "files/datafolder.h"
#include "files/questionbank.h"
#include "look/fonts.h"
#include "look/palette.h"
#include "rules/tests/testrun.h"
#include "screens/kit/dialogs.h"
#include "screens/kit/speech.h"
#include "screens/kit/uikit.h"
#include "screens/tests/feedbackblink.h"

namespace {
constexpr int kListWidth = 768;
constexpr int kBarHeight = 24;

Panel *addFrame(QWidget *parent, const QRect &geometry)
{
    auto *frame = new Panel(parent, kDarkGrey);
    frame->setGeometry(geometry);
    return frame;
}

// One counter line in a frame: a text on the left, a text on the right.
void placePair(Panel *frame, ClickLabel *left, ClickLabel *right, int leftWidth)
{
    left->setParent(frame);
    right->setParent(frame);
    left->setGeometry(4, 4, leftWidth, 32);
    right->setGeometry(4 + leftWidth, 4, frame->width() - 8 - leftWidth, 32);
}
} // namespace

TestScreen::TestScreen(AppContext &context, ScreenId id) : Screen(context, id)
{
    setFixedSize(800, 600);
    setWindowColour(this, Qt::black);

    auto *band = new Panel(this, kDarkGrey);
    band->setGeometry(0, 0, 800, 64);
    Label1 = addLabel(this, QString(), {16, 6, 600, 26}, fonts::font(fonts::PGothic, 14, true), paletteColour(pal::Red), kDarkGrey);
    Label2 = addLabel(this, QString(), {16, 36, 600, 24}, fonts::font(fonts::PGothic, 12), paletteColour(pal::Green), kDarkGrey);
    Label3 = addLabel(this, QString(), {20, 72, 520, 24}, fonts::font(fonts::PGothic, 12), paletteColour(pal::Cyan), Qt::black);
    Label5 = addLabel(this, QString(), {20, 100, 440, 40}, fonts::font(fonts::PGothic, 16, true), paletteColour(pal::White), Qt::black);
    Label5->setWordWrap(true);

    Label70 = addLabel(this, QString(), {20, 286, 10, 10}, fonts::font(fonts::PGothic, 16, true), paletteColour(pal::White), kMidGrey);
    Label70->setMargin(4);
    Label70->hide();

    Picture3 = new Panel(this, kMidGrey);
    Picture3->setGeometry(20, 324, 760, 20);
    Blink = new FeedbackBlink(this);
    connect(Blink, &FeedbackBlink::colourChanged, Picture3, &Panel::setColour);

    // The counter area: every counter sits in a frame, so hiding the frames hides the counters.
    const QFont caption = fonts::font(fonts::PGothic, 12);
    const QFont value = fonts::font(fonts::PGothic, 14, true);
    auto label = [&](const QString &text, const QFont &font, int colour, Qt::Alignment align) {
        ClickLabel *l = addLabel(this, text, {0, 0, 10, 10}, font, paletteColour(colour), Qt::black);
        l->setAlignment(align | Qt::AlignVCenter);
        return l;
    };
    const int frameTop = 356, frameWidth = 118, frameStep = 128;
    Picture4 = addFrame(this, {20, frameTop, frameWidth, 40});
    Picture5 = addFrame(this, {20 + frameStep, frameTop, frameWidth, 40});
    Picture6 = addFrame(this, {20 + 2 * frameStep, frameTop, frameWidth, 40});
    Picture7 = addFrame(this, {20 + 3 * frameStep, frameTop, frameWidth, 40});
    Picture8 = addFrame(this, {20 + 4 * frameStep, frameTop, frameWidth, 40});
    Picture9 = addFrame(this, {20 + 5 * frameStep, frameTop, frameWidth, 40});
    Picture10 = addFrame(this, {10, 404, 780, 72});

    Label9 = label(QStringLiteral("順番"), value, pal::Green, Qt::AlignHCenter);
    Label9->setParent(Picture4);
    Label9->setGeometry(4, 4, frameWidth - 8, 32);
    Label50 = label(QStringLiteral("1"), value, pal::Cyan, Qt::AlignRight);
    Label12 = label(QStringLiteral("回目"), caption, pal::Green, Qt::AlignLeft);
    placePair(Picture5, Label50, Label12, 56);
    Label12->setIndent(4);
    Label51 = label(QString(), value, pal::Yellow, Qt::AlignRight);
    Label13 = label(QStringLiteral("点"), caption, pal::Green, Qt::AlignLeft);
    placePair(Picture6, Label51, Label13, 64);
    Label13->setIndent(4);
    Label30 = label(QStringLiteral("全問題数"), caption, pal::Green, Qt::AlignLeft);
    Label52 = label(QString(), value, pal::Cyan, Qt::AlignRight);
    placePair(Picture7, Label30, Label52, 70);
    Label14 = label(QStringLiteral("正解数"), caption, pal::Green, Qt::AlignLeft);
    Label53 = label(QString(), value, pal::Yellow, Qt::AlignRight);
    placePair(Picture8, Label14, Label53, 70);
    Label15 = label(QStringLiteral("不正解数"), caption, pal::Green, Qt::AlignLeft);
    Label54 = label(QString(), value, pal::Red, Qt::AlignRight);
    placePair(Picture9, Label15, Label54, 70);

    // The bars grow by one ideographic space per answer: 50 of them fit beside the marks.
    const QFont barFont = fonts::font(fonts::PGothic, 10);
    Label20 = addLabel(this, QStringLiteral("○"), {20, 412, 24, 24}, caption, kDarkGrey, kMidGrey);
    Label21 = addLabel(this, QStringLiteral("×"), {20, 444, 24, 24}, caption, kDarkGrey, kMidGrey);
    Label20->setAlignment(Qt::AlignCenter);
    Label21->setAlignment(Qt::AlignCenter);
    Label60 = addLabel(this, QStringLiteral("　"), {50, 412, 10, kBarHeight}, barFont, Qt::black, kMidGrey);
    Label61 = addLabel(this, QStringLiteral("　"), {50, 444, 10, kBarHeight}, barFont, Qt::black, kMidGrey);
    fitBar(Label60);
    fitBar(Label61);

    // The miss list lies over the question and counter area, which are hidden while it shows.
    Label4[0] = addLabel(this, QString(), {16, 110, 10, 21}, fonts::font(fonts::PGothic, 16), QColor(0, 255, 0), kMidGrey);
    for (int i = 1; i <= kMissLinesPerPage; ++i)
        Label4[i] = addLabel(this, QString(), {16, i * 20 + 120, 10, 20}, fonts::font(fonts::PGothic, 12), Qt::white, kMidGrey);
    for (ClickLabel *line : Label4)
        line->hide();

    const QFont buttonFont = fonts::font(fonts::PGothic, 11);
    MissPrev = addButton(this, QStringLiteral("前へ"), {232, 552, 60, 36}, buttonFont);
    MissPage = addLabel(this, QString(), {294, 552, 64, 36}, buttonFont, Qt::white, Qt::black);
    MissPage->setAlignment(Qt::AlignCenter);
    MissNext = addButton(this, QStringLiteral("次へ"), {360, 552, 60, 36}, buttonFont);
    MissPrev->setToolTip(QStringLiteral("ミスの一覧の前の20問を表示します"));
    MissNext->setToolTip(QStringLiteral("ミスの一覧の次の20問を表示します"));
    for (QWidget *w : {static_cast<QWidget *>(MissPrev), static_cast<QWidget *>(MissPage), static_cast<QWidget *>(MissNext)})
        w->hide();
    connect(MissPrev, &QPushButton::clicked, this, [this] { showMissPage(MissPageNo - 1); });
    connect(MissNext, &QPushButton::clicked, this, [this] { showMissPage(MissPageNo + 1); });

    const QList<QPushButton *> bar =
        addReturnBar(this, {ScreenId::QuestionSelect, ScreenId::ChapterSelect}, {440, 552, 166, 36}, 174, buttonFont);
    Command5 = bar[0];
    Command6 = bar[1];
    connect(Command5, &QPushButton::clicked, this, &TestScreen::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &TestScreen::Command6_Click);

    SpeechButton = addButton(this, QStringLiteral("音声"), speechButtonRoom(), fonts::font(fonts::PGothic, 12));
    SpeechButton->setFocusPolicy(Qt::NoFocus); // the keys stay with the answers and the answer box
    SpeechButton->setEnabled(false);           // until the screen knows what may be said
    setSpeechKeyHelp(QString());
    connect(SpeechButton, &QPushButton::clicked, this, &TestScreen::SpeechButton_Click);

    band->lower();
}

void TestScreen::fit(ClickLabel *label)
{
    label->adjustSize();
    if (label->text().isEmpty())
        label->resize(0, label->height());
}

bool TestScreen::loadChapter(TestRun &run)
{
    run.prepare();
    run.log.restart();
    recordedRun_ = &run;
    if (M.WeakMode == 1)
        return loadWeakPass(run, M.TestKind);
    const ChapterQuestions chapter = SEKUSHON(ctx.data, M.KomokuNo);
    QString problem;
    if (!chapter.readable()) {
        problem = chapter.problem + QStringLiteral("\nこの章のテストはできません。「問題選択画面に戻る」で戻ってください。");
    } else if (chapter.items.isEmpty()) {
        problem = QStringLiteral("この章の問題ファイル「%1」には問題がひとつもありません。\n"
                                 "問題を作ってから、もう一度テストしてください。")
                      .arg(ctx.data.displayName(levelFileName(M.KomokuNo)));
    }
    if (!problem.isEmpty()) {
        hideTestControls();
        showResult(problem);
        return false;
    }
    run.take(chapter);
    tellWhenShown(readingNotice(ctx.data, M.KomokuNo, chapter, QStringLiteral("でテストします。")), windowTitle());
    return true;
}

void TestScreen::hideTestControls()
{
    Label3->hide();
    Label5->hide();
    SpeechButton->hide();
    Picture3->hide();
    setCounterArea(false);
}

void TestScreen::showScore(const TestRun &run)
{
    Label51->setText(QString::number(run.Score));
}

void TestScreen::showOrder()
{
    Label9->setText(Weak                 ? QStringLiteral("苦手な問題")
                    : M.RandomMode == 1 ? QStringLiteral("ランダム")
                                        : QStringLiteral("順番"));
}

void TestScreen::tenmarubatu(const TestRun &run)
{
    Label60->setText(run.okBar());
    Label60->setBackground(paletteColour(pal::Blue));
    Label61->setText(run.ngBar());
    Label61->setBackground(paletteColour(pal::Red));
    fitBar(Label60);
    fitBar(Label61);
}

void TestScreen::fitBar(ClickLabel *bar)
{
    fit(bar);
    bar->resize(bar->width(), kBarHeight);
}

void TestScreen::showResult(const QString &text)
{
    Label70->setText(text);
    fit(Label70);
    Label70->show();
    Label70->raise();
}

void TestScreen::setCounterArea(bool visible)
{
    for (Panel *frame : {Picture4, Picture5, Picture6, Picture7, Picture8, Picture9, Picture10})
        frame->setVisible(visible);
    for (ClickLabel *mark : {Label20, Label21, Label60, Label61})
        mark->setVisible(visible);
}

void TestScreen::LabelPos()
{
    Label4[0]->setFont(fonts::font(fonts::PGothic, 16));
    Label4[0]->setTextColour(QColor(0, 255, 0));
    Label4[0]->setGeometry(16, 110, 10, 21);
    for (int i = 1; i <= kMissLinesPerPage; ++i) {
        Label4[i]->setFont(fonts::font(fonts::PGothic, 12));
        Label4[i]->setTextColour(QColor(255, 255, 255));
        Label4[i]->setGeometry(16, i * 20 + 120, 10, 20);
    }
    for (ClickLabel *line : Label4) {
        line->setMaximumWidth(kListWidth);
        line->show();
        line->raise();
    }
}

void TestScreen::showMissList(const QStringList &lines)
{
    SpeechButton->hide(); // the heading of the list runs through its place
    Label70->hide();
    Picture3->hide();
    setCounterArea(false);
    Label4[0]->setText(QStringLiteral("ミスやHELPを使った単語や英文をノートに１０回書いて覚えよう"));
    LabelPos();
    fit(Label4[0]);
    Label4[0]->setFixedHeight(21);
    MissLines = lines;
    showMissPage(1);
}

int TestScreen::missPageCount() const
{
    return std::max<int>(1, int((MissLines.size() + kMissLinesPerPage - 1) / kMissLinesPerPage));
}

void TestScreen::showMissPage(int page)
{
    const int pages = missPageCount();
    MissPageNo = std::clamp(page, 1, pages);
    const int first = (MissPageNo - 1) * kMissLinesPerPage;
    for (int i = 1; i <= kMissLinesPerPage; ++i) {
        Label4[i]->setText(MissLines.value(first + i - 1));
        fit(Label4[i]);
        Label4[i]->setFixedHeight(20);
    }
    const bool paged = pages > 1;
    MissPage->setText(QStringLiteral("%1 / %2").arg(MissPageNo).arg(pages));
    MissPage->setVisible(paged);
    MissPrev->setVisible(paged);
    MissNext->setVisible(paged);
    MissPrev->setEnabled(MissPageNo > 1);
    MissNext->setEnabled(MissPageNo < pages);
}

void TestScreen::hideMissList()
{
    SpeechButton->show();
    for (ClickLabel *line : Label4)
        line->hide();
    for (QWidget *w : {static_cast<QWidget *>(MissPrev), static_cast<QWidget *>(MissPage), static_cast<QWidget *>(MissNext)})
        w->hide();
}

void TestScreen::tellScoreProblem(const QString &problem)
{
    if (problem.isEmpty())
        return;
    ctx.dialogs->inform(this, QStringLiteral("今回の成績を保存できませんでした。\n") + problem,
                        QStringLiteral("成績の保存"));
}

void TestScreen::endOfPass(TestRun &run, int kind)
{
    // A 苦手な問題 pass has no chapter and stores no chapter score.
    const QString problem = Weak ? QString() : run.storeFirstPassScore(ctx.data, M, kind);
    const QString recordProblem = recordAnswers(run, kind, run.Score);
    if (run.passed())
        GOUKAKU();
    else
        DAME();
    tellScoreProblem(problem);
    tellRecordProblem(recordProblem);
}

QString TestScreen::recordAnswers(TestRun &run, int kind, std::optional<int> score)
{
    if (run.log.isEmpty())
        return {};
    recordKind_ = kind;
    QList<AnswerLine> lines = run.log.take({kind, M.RandomMode == 1 ? 1 : 0, M.KomokuNo, run.Pass_No, score});
    if (Weak)
        lines = Weak->recordLines(lines);
    return LearningRecordWriter(ctx.data).append(lines);
}

void TestScreen::recordUnfinishedPass()
{
    const int kind = recordKind_ > 0 ? recordKind_ : M.TestKind;
    if (recordedRun_ && kind >= 1 && kind <= 3)
        tellRecordProblem(recordAnswers(*recordedRun_, kind, std::nullopt));
}

void TestScreen::tellRecordProblem(const QString &problem)
{
    if (!problem.isEmpty())
        ctx.dialogs->inform(this, QStringLiteral("今回の学習の記録を保存できませんでした。\n") + problem,
                            QStringLiteral("学習の記録"));
}

void TestScreen::clearRunArea()
{
    Label20->hide();
    Label21->hide();
    Label70->hide();
    Picture3->hide();
    setCounterArea(false);
}

void TestScreen::placeReview(const QList<ClickLabel *> &headings, const QList<ClickLabel *> &contents)
{
    int headingsRight = 0;
    for (const ClickLabel *heading : headings)
        headingsRight = std::max(headingsRight, heading->geometry().right());
    const int contentLeft = std::max(138, headingsRight + 8);
    for (qsizetype i = 0; i < contents.size() && i < headings.size(); ++i) {
        contents[i]->move(contentLeft, headings[i]->y());
        fit(contents[i]);
    }
}

void TestScreen::leaveTo(ScreenId target)
{
    // An answer given just before leaving is judged (and a finished pass stored) first.
    Blink->finishNow();
    recordUnfinishedPass();
    resetRun();
    handOver(target); // the navigator sets the next test to file order
}

bool TestScreen::windowClosing()
{
    Blink->finishNow();
    recordUnfinishedPass();
    return true;
}

bool TestScreen::hasVoice() const
{
    return ctx.speech && ctx.speech->available();
}

void TestScreen::speak(const QString &english)
{
    if (hasVoice() && !english.isEmpty())
        ctx.speech->speak(english);
}

void TestScreen::refreshSpeechButton()
{
    const QString english = speakableEnglish();
    SpeechButton->setEnabled(hasVoice() && !english.isEmpty());
    if (SpeechButton->isEnabled())
        ctx.speech->prepare(english); // the press then only has to play it
}

void TestScreen::setSpeechKeyHelp(const QString &keyHelp)
{
    if (!hasVoice()) {
        SpeechButton->setToolTip(ctx.speech ? ctx.speech->unavailableReason() : QString());
        return;
    }
    QString tip = QStringLiteral("英語を読み上げます。");
    if (!keyHelp.isEmpty())
        tip += QLatin1Char('\n') + keyHelp;
    SpeechButton->setToolTip(tip);
}

void TestScreen::SpeechButton_Click() { speak(speakableEnglish()); }

void TestScreen::Command5_Click() { leaveTo(ScreenId::QuestionSelect); }
void TestScreen::Command6_Click() { leaveTo(ScreenId::ChapterSelect); }
