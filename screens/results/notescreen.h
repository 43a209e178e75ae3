#pragma once
// F_NOTE: steps through every question of the chosen chapter (question, hint, answer) by
// keys and buttons, for copying into a notebook. Reads the chapter; writes nothing.
#include "rules/results/notestudy.h"
#include "screens/kit/screen.h"

#include <memory>

class ClickLabel;
class QPushButton;

class F_NOTE : public Screen {
    Q_OBJECT
public:
    explicit F_NOTE(AppContext &ctx);

    ClickLabel *Label1;  // the test kind
    ClickLabel *Label2;  // the chapter line
    ClickLabel *Label3;  // the instruction of the kind
    ClickLabel *Label15; // 問題 (caption of the question)
    ClickLabel *Label20; // 問題 (caption of the number)
    ClickLabel *Label21; // number of the question shown
    ClickLabel *Label30; // 全問題数
    ClickLabel *Label31; // number of questions
    ClickLabel *Label6;  // the question
    ClickLabel *Label11; // ヒント
    ClickLabel *Label7;  // the hint
    ClickLabel *Label12; // 答え
    ClickLabel *Label8;  // the answer
    ClickLabel *problemLabel; // why the chapter could not be read (hidden when all is well)
    QPushButton *Command1; // 順番に見る
    QPushButton *Command3; // スタートに戻る
    QPushButton *Command5; // 問題選択画面に戻る
    QPushButton *Command6; // 項目選択画面に戻る
    QPushButton *Command7; // MENUに戻る

    const NoteStudy &study() const { return *study_; }

    void Command1_Click();
    void Command3_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();

protected:
    bool previewKeyPress(QKeyEvent *event) override;
    bool previewKeyRelease(QKeyEvent *event) override;

private:
    void Form_Load();
    void JUNBI1();
    void NOTE_NEXT();
    void NOTE_MAE();
    void showView();

    std::unique_ptr<NoteStudy> study_;
};
