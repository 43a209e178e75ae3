#include "screens/select/questionselectscreen.h"

#include "look/fonts.h"
#include "look/palette.h"
#include "rules/select/questionchoices.h"
#include "screens/kit/uikit.h"

F_MondaiSentaku::F_MondaiSentaku(AppContext &context) : Screen(context, ScreenId::QuestionSelect)
{
    setFixedSize(800, 600);
    setWindowColour(this, kMidGrey);

    Picture1 = new Panel(this, kDarkGrey);
    Picture1->setGeometry(24, 20, 752, 150);
    Label5 = addLabel(Picture1, QStringLiteral("問題選択"), {20, 10, 300, 40}, fonts::font(fonts::PGothic, 20, true),
                      Qt::white);
    Label1 = addLabel(Picture1, QString(), {20, 60, 712, 30}, fonts::font(fonts::PGothic, 14, true),
                      QColor(fromBgr(0x0000FF)));
    Label2 = addLabel(Picture1, QString(), {20, 100, 712, 36}, fonts::font(fonts::PGothic, 16, true),
                      paletteColour(pal::Yellow));

    Picture2 = new Panel(this, kDarkGrey);
    Picture2->setGeometry(24, 190, 752, 390);
    const QFont bigFont = fonts::font(fonts::PGothic, 14, true);
    const QFont buttonFont = fonts::font(fonts::PGothic, 12, true);
    Command2 = addButton(Picture2, QStringLiteral("順番に問題をする"), {40, 28, 320, 72}, bigFont);
    Command3 = addButton(Picture2, QStringLiteral("ランダムで問題をする"), {392, 28, 320, 72}, bigFont);
    Command1 = addButton(Picture2, QStringLiteral("ノートで勉強する"), {40, 124, 320, 56}, buttonFont);
    Command8 = addButton(Picture2, QStringLiteral("印刷"), {392, 124, 150, 56}, buttonFont);
    Command9 = addButton(Picture2, QStringLiteral("新規＆修正"), {562, 124, 150, 56}, buttonFont);
    WeakButton = addButton(Picture2, QStringLiteral("苦手な問題"), {40, 204, 320, 56}, buttonFont);
    WeakButton->setToolTip(QStringLiteral("これまでに間違えた問題のうち、今日が復習の日の問題を、章をまたいでテストします。"));
    const QList<QPushButton *> bar =
        addReturnBar(Picture2, {ScreenId::ChapterSelect, ScreenId::Menu}, {40, 308, 320, 52}, 352, buttonFont);
    Command5 = bar[0];
    Command6 = bar[1];
    Command8->setVisible(false);
    Command9->setVisible(false);

    connect(Command2, &QPushButton::clicked, this, &F_MondaiSentaku::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &F_MondaiSentaku::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &F_MondaiSentaku::Command1_Click);
    connect(Command8, &QPushButton::clicked, this, &F_MondaiSentaku::Command8_Click);
    connect(Command9, &QPushButton::clicked, this, &F_MondaiSentaku::Command9_Click);
    connect(Command5, &QPushButton::clicked, this, &F_MondaiSentaku::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &F_MondaiSentaku::Command6_Click);
    connect(WeakButton, &QPushButton::clicked, this, &F_MondaiSentaku::WeakButton_Click);

    Form_Load();
}

void F_MondaiSentaku::Form_Load()
{
    if (offersPrintAndEditor(M.TestKind)) {
        Command8->setVisible(true);
        Command9->setVisible(true);
    }
    JUNBI2();
}

void F_MondaiSentaku::JUNBI2()
{
    setWindowTitle(M.Daimoku + QStringLiteral("　（問題選択）"));
    Label1->setText(M.TestKind >= 0 && M.TestKind <= 3 ? M.TestName[size_t(M.TestKind)] : QString());
    Label2->setText(chapterLine(M));
}

void F_MondaiSentaku::startTest(int randomMode)
{
    const auto target = testScreenOf(M.TestKind);
    if (!target)
        return;
    M.RandomMode = randomMode;
    handOver(*target);
}

void F_MondaiSentaku::Command2_Click() { startTest(0); }
void F_MondaiSentaku::Command3_Click() { startTest(1); }
void F_MondaiSentaku::Command1_Click() { handOver(ScreenId::Note); }

void F_MondaiSentaku::Command8_Click()
{
    if (offersPrintAndEditor(M.TestKind))
        handOver(ScreenId::PrintWordSheets);
}

void F_MondaiSentaku::Command9_Click()
{
    if (offersPrintAndEditor(M.TestKind))
        handOver(ScreenId::Editor);
}

void F_MondaiSentaku::Command5_Click() { handOver(ScreenId::ChapterSelect); }

void F_MondaiSentaku::Command6_Click() { handOver(ScreenId::Menu); } // the navigator forgets the test kind

void F_MondaiSentaku::WeakButton_Click()
{
    const auto target = testScreenOf(M.TestKind);
    if (!target)
        return;
    // The test screen reads the record (once) and says so when nothing is due today.
    M.RandomMode = 0;
    M.WeakMode = 1;
    handOver(*target);
}
