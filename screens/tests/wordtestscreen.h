#pragma once
// The word test, titled 英単語テスト (kind 3). The Japanese line is shown, the English typed and
// judged on Enter; the hint shows the answer while it is held; after a failed pass the missed
// and hinted items are listed and re-tested until a re-test ends with full marks. The rules
// live in WordTest; this form shows them and takes the keys and clicks.
#include "rules/tests/wordtest.h"
#include "screens/tests/keytap.h"
#include "screens/tests/markedlabel.h"
#include "screens/tests/testscreen.h"

class QLineEdit;

class WordTestScreen : public TestScreen {
    Q_OBJECT
public:
    // The key that shows the hint while it is held, for learners who keep their hands on the keys.
    static constexpr Qt::Key kHintKey = Qt::Key_F2;
    // The key that says the English of the item judged last, pressed on its own.
    static constexpr Qt::Key kSpeechKey = Qt::Key_Control;

    explicit WordTestScreen(AppContext &ctx);

    WordTest Rules;
    bool Ready = false; // the chapter was read and has items

    QLineEdit *answerBox;                  // the answer box
    QPushButton *hintButton;               // ヒント
    ControlArray<ClickLabel, 1, 3> reviewHeadings; // review headings
    ControlArray<MarkedLabel, 1, 3> reviewContents; // review contents; the answers marked where they differ
    // What kind of mistake the wrong answer was, one line a mistake; below the bars, where
    // neither the result message nor the re-test covers it.
    ClickLabel *ReviewNote;
    QPushButton *allMissesButton;          // ミスをすべて確認
    QPushButton *retestButton;             // 再テスト

    void onAnswerEntered();
    void onHintButtonPressed();
    void onHintButtonReleased();
    void onAllMissesButtonClicked();
    void onRetestButtonClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool previewKeyPress(QKeyEvent *event) override;
    bool previewKeyRelease(QKeyEvent *event) override;
    void hideTestControls() override;
    void resetRun() override;
    QString speakableEnglish() const override;

private:
    void loadScreen();
    void showTitleLines();
    void judgeAnswer();
    void takeRightAnswer();
    void takeWrongAnswer(const QString &typed);
    void showReview(const QString &typed);
    void finishPass();
    void onFullMarks() override;
    void onMissedMarks() override;
    void setAnswerBoxShown(bool shown);
    void clearReviewMarks();
    void setBoxTextColour(const QColor &colour);
    void focusBox();

    Panel *BoxEdge;
    KeyTap SpeechKey{kSpeechKey};
};
