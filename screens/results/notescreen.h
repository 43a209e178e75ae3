#pragma once
// The note screen (ノートで勉強する), titled by the test kind: steps through every question of the
// chosen chapter (question, hint, answer) by keys and buttons, for copying into a notebook.
// Reads the chapter; writes nothing.
#include "rules/results/notestudy.h"
#include "screens/kit/screen.h"

#include <memory>

class ClickLabel;
class QPushButton;

class NoteScreen : public Screen {
    Q_OBJECT
public:
    explicit NoteScreen(AppContext &ctx);

    ClickLabel *testKindLabel; // the test kind
    ClickLabel *chapterLabel; // the chapter line
    ClickLabel *instructionLabel; // the instruction of the kind
    ClickLabel *questionCaption; // 問題 (caption of the question)
    ClickLabel *numberCaption; // 問題 (caption of the number)
    ClickLabel *numberLabel; // number of the question shown
    ClickLabel *totalCaption; // 全問題数
    ClickLabel *totalNumber; // number of questions
    ClickLabel *questionLabel; // the question
    ClickLabel *hintCaption; // ヒント
    ClickLabel *hintLabel; // the hint
    ClickLabel *answerCaption; // 答え
    ClickLabel *answerLabel; // the answer
    ClickLabel *problemLabel; // why the chapter could not be read (hidden when all is well)
    QPushButton *forwardButton; // 順番に見る
    QPushButton *restartButton; // スタートに戻る
    QPushButton *questionSelectButton; // 問題選択画面に戻る
    QPushButton *chapterSelectButton; // 項目選択画面に戻る
    QPushButton *menuButton; // MENUに戻る

    const NoteStudy &study() const { return *study_; }

    void onForwardButtonClicked();
    void onRestartButtonClicked();
    void onQuestionSelectButtonClicked();
    void onChapterSelectButtonClicked();
    void onMenuButtonClicked();

protected:
    bool previewKeyPress(QKeyEvent *event) override;
    bool previewKeyRelease(QKeyEvent *event) override;

private:
    void loadScreen();
    void showTitleLines();
    void stepForward();
    void stepBack();
    void showView();

    std::unique_ptr<NoteStudy> study_;
};
