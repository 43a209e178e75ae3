#pragma once
// The five-answer test, titled 選択問題: the five-answer test of kinds 1 (English → Japanese) and 2
// (Japanese → English). The rules live in ChoiceTest; this form shows them and takes the keys
// and clicks.
#include "rules/tests/choicetest.h"
#include "screens/tests/testscreen.h"

class ChoiceTestScreen : public TestScreen {
    Q_OBJECT
public:
    explicit ChoiceTestScreen(AppContext &ctx);

    ChoiceTest Rules;
    bool Ready = false; // the chapter was read and has items

    ControlArray<ClickLabel, 1, 5> answerLabels; // the five answers
    ControlArray<ClickLabel, 1, 5> reviewHeadings; // review headings (1 to 4 used)
    ControlArray<ClickLabel, 1, 5> reviewContents; // review contents (2 to 4 used)
    QPushButton *missesButton;              // 間違いを確認する

    void onAnswerClicked(int i);
    void onAnswerDoubleClicked(int i);
    void onReviewHeadingClicked(int i);
    void onReviewContentClicked(int i);
    void onMissesButtonClicked();

protected:
    bool previewKeyPress(QKeyEvent *event) override;
    void hideTestControls() override;
    void resetRun() override;
    QString speakableEnglish() const override;

private:
    void loadScreen();
    void showTitleLines();
    void showItem();
    void showChoices();
    void whitenAnswers();
    void clearAnswers();
    void judge(bool byEnter);
    void takeRightAnswer();
    void takeWrongAnswer();
    void placeReviewContents();
    void checkPassEnd();
    void finishPass();
    void onFullMarks() override;
    void onMissedMarks() override;
    void leaveReview(bool byClick);
    void hideReview();
    void clearForMissList();
};
