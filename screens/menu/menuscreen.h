#pragma once
// F_MENU: the hub of the program. Chooses a test kind, opens the score sheet and the help
// screen, and links to the program's home page.
#include "screens/kit/screen.h"

#include <array>

class ClickLabel;
class QPushButton;

class F_MENU : public Screen {
    Q_OBJECT
public:
    explicit F_MENU(AppContext &ctx);

    QPushButton *Command1; // ５問から選択テスト(英→日）
    QPushButton *Command2; // ５問から選択テスト(日→英）
    QPushButton *Command3; // 英単語テスト
    QPushButton *Command8; // 学習ソフトの使用方法
    QPushButton *Command9; // テストの成績表
    QPushButton *RecordButton; // 学習の記録
    std::array<ClickLabel *, 2> Label1; // the title, white copy behind the red one
    ClickLabel *Label10;   // the maker's mark
    ClickLabel *Label8;    // decoration

    void startTest(int kind); // Command1_Click to Command3_Click
    void Command8_Click();
    void Command9_Click();
    void openHomePage();      // Label1_Click, Label10_Click

private:
    void Form_Load();
};
