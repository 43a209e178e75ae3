#pragma once
// F_問題選択: what to do with the chosen chapter: the test in file order or in random
// order, the note screen, and for the word test the test sheets and the editor.
#include "screens/kit/screen.h"

class ClickLabel;
class Panel;
class QPushButton;

class F_MondaiSentaku : public Screen { // F_問題選択
    Q_OBJECT
public:
    explicit F_MondaiSentaku(AppContext &ctx);

    // Controls, named as the screen's design names them.
    ClickLabel *Label5;    // 問題選択
    ClickLabel *Label1;    // the test kind
    ClickLabel *Label2;    // the chapter line
    QPushButton *Command2; // 順番に問題をする
    QPushButton *Command3; // ランダムで問題をする
    QPushButton *Command1; // ノートで勉強する
    QPushButton *Command8; // 印刷 (word test only)
    QPushButton *Command9; // 新規＆修正 (word test only)
    QPushButton *Command5; // 項目選択画面に戻る
    QPushButton *Command6; // MENUに戻る
    QPushButton *WeakButton; // 苦手な問題: the kind's items due today, across chapters
    Panel *Picture1;       // behind the title lines
    Panel *Picture2;       // behind the buttons

    void Command2_Click();
    void Command3_Click();
    void Command1_Click();
    void Command8_Click();
    void Command9_Click();
    void Command5_Click();
    void Command6_Click();
    void WeakButton_Click();

private:
    void Form_Load();
    void JUNBI2();
    void startTest(int randomMode);
};
