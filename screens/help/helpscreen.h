#pragma once
// HelpScreen: the first screen of the program; the course title, five pages of operating hints
// and the page of the rules a typed answer is judged by.
#include "screens/kit/screen.h"

#include <array>

class ClickLabel;
class QPushButton;

class HelpScreen : public Screen {
    Q_OBJECT
public:
    explicit HelpScreen(AppContext &ctx);

    int HelpPage = 1;

    // Controls.
    ClickLabel *courseTitleLabel;       // course title
    ClickLabel *headingLabel;           // page heading
    std::array<ClickLabel *, 18> pageLines; // page lines
    std::array<ClickLabel *, 5> pageLinks; // jump to page 1 to 5
    ClickLabel *RulesLink;              // 決まり: the page of the rules for typed answers
    QPushButton *previousButton;        // 前へ
    QPushButton *nextButton;            // 次へ
    QPushButton *menuButton;            // MENUへ

    void showPage(int page);
    void onPreviousButtonClicked();
    void onNextButtonClicked();
    void onMenuButtonClicked();

private:
    void loadScreen();
};
