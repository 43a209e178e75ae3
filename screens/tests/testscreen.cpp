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
    testNameLabel = addLabel(this, QString(), {16, 6, 600, 26}, fonts::font(fonts::PGothic, 14, true), paletteColour(pal::Red), kDarkGrey);
    chapterLabel = addLabel(this, QString(), {16, 36, 600, 24}, fonts::font(fonts::PGothic, 12), paletteColour(pal::Green), kDarkGrey);
    promptLabel = addLabel(this, QString(), {20, 72, 520, 24}, fonts::font(fonts::PGothic, 12), paletteColour(pal::Cyan), Qt::black);
    questionLabel = addLabel(this, QString(), {20, 100, 440, 40}, fonts::font(fonts::PGothic, 16, true), paletteColour(pal::White), Qt::black);
    questionLabel->setWordWrap(true);

    resultLabel = addLabel(this, QString(), {20, 286, 10, 10}, fonts::font(fonts::PGothic, 16, true), paletteColour(pal::White), kMidGrey);
    resultLabel->setMargin(4);
    resultLabel->hide();

    feedbackStrip = new Panel(this, kMidGrey);
    feedbackStrip->setGeometry(20, 324, 760, 20);
    Blink = new FeedbackBlink(this);
    connect(Blink, &FeedbackBlink::colourChanged, feedbackStrip, &Panel::setColour);

    // The counter area: every counter sits in a frame, so hiding the frames hides the counters.
    const QFont caption = fonts::font(fonts::PGothic, 12);
    const QFont value = fonts::font(fonts::PGothic, 14, true);
    auto label = [&](const QString &text, const QFont &font, int colour, Qt::Alignment align) {
        ClickLabel *l = addLabel(this, text, {0, 0, 10, 10}, font, paletteColour(colour), Qt::black);
        l->setAlignment(align | Qt::AlignVCenter);
        return l;
    };
    const int frameTop = 356, frameWidth = 118, frameStep = 128;
    orderFrame = addFrame(this, {20, frameTop, frameWidth, 40});
    passFrame = addFrame(this, {20 + frameStep, frameTop, frameWidth, 40});
    scoreFrame = addFrame(this, {20 + 2 * frameStep, frameTop, frameWidth, 40});
    totalFrame = addFrame(this, {20 + 3 * frameStep, frameTop, frameWidth, 40});
    rightFrame = addFrame(this, {20 + 4 * frameStep, frameTop, frameWidth, 40});
    wrongFrame = addFrame(this, {20 + 5 * frameStep, frameTop, frameWidth, 40});
    barsFrame = addFrame(this, {10, 404, 780, 72});

    orderLabel = label(QStringLiteral("順番"), value, pal::Green, Qt::AlignHCenter);
    orderLabel->setParent(orderFrame);
    orderLabel->setGeometry(4, 4, frameWidth - 8, 32);
    passNumber = label(QStringLiteral("1"), value, pal::Cyan, Qt::AlignRight);
    passCaption = label(QStringLiteral("回目"), caption, pal::Green, Qt::AlignLeft);
    placePair(passFrame, passNumber, passCaption, 56);
    passCaption->setIndent(4);
    scoreNumber = label(QString(), value, pal::Yellow, Qt::AlignRight);
    scoreCaption = label(QStringLiteral("点"), caption, pal::Green, Qt::AlignLeft);
    placePair(scoreFrame, scoreNumber, scoreCaption, 64);
    scoreCaption->setIndent(4);
    totalCaption = label(QStringLiteral("全問題数"), caption, pal::Green, Qt::AlignLeft);
    totalNumber = label(QString(), value, pal::Cyan, Qt::AlignRight);
    placePair(totalFrame, totalCaption, totalNumber, 70);
    rightCaption = label(QStringLiteral("正解数"), caption, pal::Green, Qt::AlignLeft);
    rightNumber = label(QString(), value, pal::Yellow, Qt::AlignRight);
    placePair(rightFrame, rightCaption, rightNumber, 70);
    wrongCaption = label(QStringLiteral("不正解数"), caption, pal::Green, Qt::AlignLeft);
    wrongNumber = label(QString(), value, pal::Red, Qt::AlignRight);
    placePair(wrongFrame, wrongCaption, wrongNumber, 70);

    // The bars grow by one ideographic space per answer: 50 of them fit beside the marks.
    const QFont barFont = fonts::font(fonts::PGothic, 10);
    rightMark = addLabel(this, QStringLiteral("○"), {20, 412, 24, 24}, caption, kDarkGrey, kMidGrey);
    wrongMark = addLabel(this, QStringLiteral("×"), {20, 444, 24, 24}, caption, kDarkGrey, kMidGrey);
    rightMark->setAlignment(Qt::AlignCenter);
    wrongMark->setAlignment(Qt::AlignCenter);
    rightBar = addLabel(this, QStringLiteral("　"), {50, 412, 10, kBarHeight}, barFont, Qt::black, kMidGrey);
    wrongBar = addLabel(this, QStringLiteral("　"), {50, 444, 10, kBarHeight}, barFont, Qt::black, kMidGrey);
    fitBar(rightBar);
    fitBar(wrongBar);

    // The miss list lies over the question and counter area, which are hidden while it shows.
    missList[0] = addLabel(this, QString(), {16, 110, 10, 21}, fonts::font(fonts::PGothic, 16), QColor(0, 255, 0), kMidGrey);
    for (int i = 1; i <= kMissLinesPerPage; ++i)
        missList[i] = addLabel(this, QString(), {16, i * 20 + 120, 10, 20}, fonts::font(fonts::PGothic, 12), Qt::white, kMidGrey);
    for (ClickLabel *line : missList)
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
    questionSelectButton = bar[0];
    chapterSelectButton = bar[1];
    connect(questionSelectButton, &QPushButton::clicked, this, &TestScreen::onQuestionSelectButtonClicked);
    connect(chapterSelectButton, &QPushButton::clicked, this, &TestScreen::onChapterSelectButtonClicked);

    speechButton = addButton(this, QStringLiteral("音声"), speechButtonRoom(), fonts::font(fonts::PGothic, 12));
    speechButton->setFocusPolicy(Qt::NoFocus); // the keys stay with the answers and the answer box
    speechButton->setEnabled(false);           // until the screen knows what may be said
    setSpeechKeyHelp(QString());
    connect(speechButton, &QPushButton::clicked, this, &TestScreen::onSpeechButtonClicked);

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
    const ChapterQuestions chapter = readChapter(ctx.data, M.chosenChapter);
    QString problem;
    if (!chapter.readable()) {
        problem = chapter.problem + QStringLiteral("\nこの章のテストはできません。「問題選択画面に戻る」で戻ってください。");
    } else if (chapter.items.isEmpty()) {
        problem = QStringLiteral("この章の問題ファイル「%1」には問題がひとつもありません。\n"
                                 "問題を作ってから、もう一度テストしてください。")
                      .arg(ctx.data.displayName(levelFileName(M.chosenChapter)));
    }
    if (!problem.isEmpty()) {
        hideTestControls();
        showResult(problem);
        return false;
    }
    run.take(chapter);
    tellWhenShown(readingNotice(ctx.data, M.chosenChapter, chapter, QStringLiteral("でテストします。")), windowTitle());
    return true;
}

void TestScreen::hideTestControls()
{
    promptLabel->hide();
    questionLabel->hide();
    speechButton->hide();
    feedbackStrip->hide();
    setCounterArea(false);
}

void TestScreen::showScore(const TestRun &run)
{
    scoreNumber->setText(QString::number(run.Score));
}

void TestScreen::showOrder()
{
    orderLabel->setText(Weak                 ? QStringLiteral("苦手な問題")
                    : M.RandomMode == 1 ? QStringLiteral("ランダム")
                                        : QStringLiteral("順番"));
}

void TestScreen::showBars(const TestRun &run)
{
    rightBar->setText(run.okBar());
    rightBar->setBackground(paletteColour(pal::Blue));
    wrongBar->setText(run.ngBar());
    wrongBar->setBackground(paletteColour(pal::Red));
    fitBar(rightBar);
    fitBar(wrongBar);
}

void TestScreen::fitBar(ClickLabel *bar)
{
    fit(bar);
    bar->resize(bar->width(), kBarHeight);
}

void TestScreen::showResult(const QString &text)
{
    resultLabel->setText(text);
    fit(resultLabel);
    resultLabel->show();
    resultLabel->raise();
}

void TestScreen::setCounterArea(bool visible)
{
    for (Panel *frame : {orderFrame, passFrame, scoreFrame, totalFrame, rightFrame, wrongFrame, barsFrame})
        frame->setVisible(visible);
    for (ClickLabel *mark : {rightMark, wrongMark, rightBar, wrongBar})
        mark->setVisible(visible);
}

void TestScreen::placeMissList()
{
    missList[0]->setFont(fonts::font(fonts::PGothic, 16));
    missList[0]->setTextColour(QColor(0, 255, 0));
    missList[0]->setGeometry(16, 110, 10, 21);
    for (int i = 1; i <= kMissLinesPerPage; ++i) {
        missList[i]->setFont(fonts::font(fonts::PGothic, 12));
        missList[i]->setTextColour(QColor(255, 255, 255));
        missList[i]->setGeometry(16, i * 20 + 120, 10, 20);
    }
    for (ClickLabel *line : missList) {
        line->setMaximumWidth(kListWidth);
        line->show();
        line->raise();
    }
}

void TestScreen::showMissList(const QStringList &lines)
{
    speechButton->hide(); // the heading of the list runs through its place
    resultLabel->hide();
    feedbackStrip->hide();
    setCounterArea(false);
    missList[0]->setText(QStringLiteral("ミスやHELPを使った単語や英文をノートに１０回書いて覚えよう"));
    placeMissList();
    fit(missList[0]);
    missList[0]->setFixedHeight(21);
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
        missList[i]->setText(MissLines.value(first + i - 1));
        fit(missList[i]);
        missList[i]->setFixedHeight(20);
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
    speechButton->show();
    for (ClickLabel *line : missList)
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
        onFullMarks();
    else
        onMissedMarks();
    tellScoreProblem(problem);
    tellRecordProblem(recordProblem);
}

QString TestScreen::recordAnswers(TestRun &run, int kind, std::optional<int> score)
{
    if (run.log.isEmpty())
        return {};
    recordKind_ = kind;
    QList<AnswerLine> lines = run.log.take({kind, M.RandomMode == 1 ? 1 : 0, M.chosenChapter, run.Pass_No, score});
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
    rightMark->hide();
    wrongMark->hide();
    resultLabel->hide();
    feedbackStrip->hide();
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
    speechButton->setEnabled(hasVoice() && !english.isEmpty());
    if (speechButton->isEnabled())
        ctx.speech->prepare(english); // the press then only has to play it
}

void TestScreen::setSpeechKeyHelp(const QString &keyHelp)
{
    if (!hasVoice()) {
        speechButton->setToolTip(ctx.speech ? ctx.speech->unavailableReason() : QString());
        return;
    }
    QString tip = QStringLiteral("英語を読み上げます。");
    if (!keyHelp.isEmpty())
        tip += QLatin1Char('\n') + keyHelp;
    speechButton->setToolTip(tip);
}

void TestScreen::onSpeechButtonClicked() { speak(speakableEnglish()); }

void TestScreen::onQuestionSelectButtonClicked() { leaveTo(ScreenId::QuestionSelect); }
void TestScreen::onChapterSelectButtonClicked() { leaveTo(ScreenId::ChapterSelect); }
