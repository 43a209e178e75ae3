#pragma once
// What the two test screens share on screen: the title lines, the prompt and the question,
// the counter area with its frames, the two bars, the feedback strip, the result message,
// the miss list (with pages when it has more than 20 lines) and the two return buttons.
#include "rules/review/weakpass.h"
#include "screens/kit/screen.h"
#include "screens/tests/controlarray.h"

#include <QColor>
#include <QList>
#include <QStringList>
#include <optional>

class ClickLabel;
class FeedbackBlink;
class Panel;
class QPushButton;
class TestRun;

class TestScreen : public Screen {
    Q_OBJECT
public:
    static constexpr int kMissLinesPerPage = 20;

    ClickLabel *testNameLabel; // test name
    ClickLabel *chapterLabel; // chapter line
    ClickLabel *promptLabel; // prompt
    ClickLabel *questionLabel; // the item asked
    ClickLabel *orderLabel; // 順番 / ランダム
    ClickLabel *passNumber; // pass number
    ClickLabel *passCaption; // 回目
    ClickLabel *scoreNumber; // score
    ClickLabel *scoreCaption; // 点
    ClickLabel *totalCaption; // 全問題数
    ClickLabel *totalNumber; // number of items
    ClickLabel *rightCaption; // 正解数
    ClickLabel *rightNumber; // right answers
    ClickLabel *wrongCaption; // 不正解数
    ClickLabel *wrongNumber; // wrong answers
    ClickLabel *rightBar; // bar of right answers
    ClickLabel *wrongBar; // bar of wrong answers
    ClickLabel *rightMark; // ○
    ClickLabel *wrongMark; // ×
    Panel *feedbackStrip; // feedback strip
    Panel *orderFrame, *passFrame, *scoreFrame, *totalFrame, *rightFrame, *wrongFrame, *barsFrame; // counter frames
    ClickLabel *resultLabel; // result message
    ControlArray<ClickLabel, 0, kMissLinesPerPage> missList; // miss list: heading and 20 lines
    QPushButton *MissPrev; // page back in a miss list of more than 20 lines
    QPushButton *MissNext; // page on
    ClickLabel *MissPage;  // "1 / 3"
    QPushButton *questionSelectButton; // 問題選択画面に戻る
    QPushButton *chapterSelectButton; // 項目選択画面に戻る
    QPushButton *speechButton; // 音声: says the English the test allows now
    FeedbackBlink *Blink;  // flashes feedbackStrip

    // Room beside the question, kept free for the "音声" button.
    static QRect speechButtonRoom() { return {470, 100, 80, 32}; }

    QStringList missLines() const { return MissLines; }
    int missPage() const { return MissPageNo; }
    int missPageCount() const;
    void showMissPage(int page);

    void onQuestionSelectButtonClicked();
    void onChapterSelectButtonClicked();
    void onSpeechButtonClicked();

    // The 苦手な問題 pass being asked instead of a chapter (WeakMode).
    std::optional<WeakPass> Weak;

protected:
    TestScreen(AppContext &ctx, ScreenId id);

    // The colours the feedback strip flashes after a right and after a wrong answer.
    static inline const QColor kRightSignal{0, 0, 255};
    static inline const QColor kWrongSignal{255, 0, 0};

    // Reads the chapter into the run (bars and numbers first). When the test cannot run
    // (no file, an unreadable file, no items) it says so on the screen and returns false.
    bool loadChapter(TestRun &run);
    // The kind's 苦手な問題 due today in place of the chapter; when nothing is due, says so
    // and when the next item is, and returns false.
    bool loadWeakPass(TestRun &run, int kind);
    // Hides the parts of the screen a test that cannot run does not use (the subclass hides its own).
    virtual void hideTestControls();

    void showScore(const TestRun &run);
    void showOrder();
    void showBars(const TestRun &run);
    void showResult(const QString &text);
    void setCounterArea(bool visible);

    // The miss list: heading, layout, and its lines from the first page.
    void showMissList(const QStringList &lines);
    void hideMissList();

    // A score that could not be stored is never dropped silently.
    void tellScoreProblem(const QString &problem);

    // The end of a pass (both screens' finishPass): the score of a first pass is stored, the screen
    // shows a passed or a failed pass, then a score that could not be stored is told.
    // The answers of the pass go into the learning record too.
    void endOfPass(TestRun &run, int kind);
    virtual void onFullMarks() = 0; // a pass with full marks
    virtual void onMissedMarks() = 0; // a pass without

    // Before the miss list (clearForMissList): the marks, the result, the strip and the
    // counters go.
    void clearRunArea();

    // The review of a wrong answer (showReview, placeReviewContents): each content beside its heading, at
    // 138 or just after the widest heading when the headings come out wider, fitted to its text.
    static void placeReview(const QList<ClickLabel *> &headings, const QList<ClickLabel *> &contents);

    // Closing the window during the feedback blink: the answer is judged, and a finished pass
    // stored, as when leaving by a button.
    bool windowClosing() override;

    // Leaving the test: nothing of the run is kept and the next test starts in file order.
    virtual void resetRun() = 0;

    // The English the voice may say now (SpeakableEnglish on the test's rules); empty for none.
    virtual QString speakableEnglish() const = 0;
    // Says the English, when there is a voice and a text; nothing else changes.
    void speak(const QString &english);
    // The "音声" button can be used while there is a voice and something to say. The screen
    // calls this whenever what may be said can have changed; `keyHelp` is added to the tooltip.
    void refreshSpeechButton();
    void setSpeechKeyHelp(const QString &keyHelp);

    static void fit(ClickLabel *label);
    static void fitBar(ClickLabel *bar);

private:
    // Adds the answers of the pass so far to the learning record; empty text or what went wrong.
    QString recordAnswers(TestRun &run, int kind, std::optional<int> score);
    // Leaving during a pass: what was answered is recorded, without a score.
    void recordUnfinishedPass();
    void tellRecordProblem(const QString &problem);
    TestRun *recordedRun_ = nullptr; // the run of the chapter loaded
    int recordKind_ = 0;             // the kind of the last pass recorded
    void leaveTo(ScreenId target);
    void placeMissList();

    bool hasVoice() const;

    QStringList MissLines;
    int MissPageNo = 1;
};
