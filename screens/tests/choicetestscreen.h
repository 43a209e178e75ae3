#pragma once
// F_選択問題: the five-answer test of kinds 1 (English → Japanese) and 2 (Japanese → English).
// The rules live in ChoiceTest; this form shows them and takes the keys and clicks.
#include "rules/tests/choicetest.h"
#include "screens/tests/testscreen.h"

class F_SentakuMondai : public TestScreen {
    Q_OBJECT
public:
    explicit F_SentakuMondai(AppContext &ctx);

    ChoiceTest Rules;
    bool Ready = false; // the chapter was read and has items

    ControlArray<ClickLabel, 1, 5> Label7;  // the five answers
    ControlArray<ClickLabel, 1, 5> Label10; // review headings (1 to 4 used)
    ControlArray<ClickLabel, 1, 5> Label11; // review contents (2 to 4 used)
    QPushButton *Command1;                  // 間違いを確認する

    void Label7_Click(int i);
    void Label7_DblClick(int i);
    void Label10_Click(int i);
    void Label11_Click(int i);
    void Command1_Click();

protected:
    bool previewKeyPress(QKeyEvent *event) override;
    void hideTestControls() override;
    void resetRun() override;
    QString speakableEnglish() const override;

private:
    void Form_Load();
    void JUNBI1();
    void HYOUJI();
    void MONDAI2();
    void Label7White();
    void Label7_Clean();
    void judge(bool byEnter);
    void At();
    void Hz();
    void ich_Label11();
    void Hantei();
    void owari();
    void GOUKAKU() override;
    void DAME() override;
    void leaveReview(bool byClick);
    void hideReview();
    void G_Clean();
};
