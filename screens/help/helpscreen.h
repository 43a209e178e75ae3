#pragma once
// F_HELP: the first screen of the program; the course title, five pages of operating hints
// and the page of the rules a typed answer is judged by.
#include "screens/kit/screen.h"

#include <array>

class ClickLabel;
class QPushButton;

class F_HELP : public Screen {
    Q_OBJECT
public:
    explicit F_HELP(AppContext &ctx);

    int HelpPage = 1;

    // Controls, named as the screen's design names them.
    ClickLabel *Label1;                 // course title
    ClickLabel *Label3;                 // page heading
    std::array<ClickLabel *, 18> Label2; // page lines
    std::array<ClickLabel *, 5> Lab1x;  // Lab11 to Lab15: jump to page 1 to 5
    ClickLabel *RulesLink;              // 決まり: the page of the rules for typed answers
    QPushButton *Command1;              // 前へ
    QPushButton *Command2;              // 次へ
    QPushButton *Command3;              // MENUへ

    void showPage(int page);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

private:
    void Form_Load();
};
