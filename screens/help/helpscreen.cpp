#include "screens/help/helpscreen.h"

#include "files/coursefiles.h"
#include "look/fonts.h"
#include "look/palette.h"
#include "rules/help/helppages.h"
#include "screens/kit/uikit.h"

HelpScreen::HelpScreen(AppContext &context) : Screen(context, ScreenId::Help)
{
    setWindowTitle(QStringLiteral("HELP"));
    setFixedSize(800, 600);
    setWindowColour(this, kMidGrey);

    courseTitleLabel = addLabel(this, QString(), {40, 16, 720, 48}, fonts::font(fonts::PGothic, 22, true), Qt::white);
    courseTitleLabel->setAlignment(Qt::AlignCenter);
    auto *body = new Panel(this, kDarkGrey);
    body->setGeometry(40, 80, 720, 440);
    headingLabel = addLabel(body, QString(), {16, 10, 690, 28}, fonts::font(fonts::PGothic, 14, true), QColor(fromBgr(0x00C000)));
    for (int i = 0; i < 18; ++i) {
        pageLines[size_t(i)] = addLabel(body, QString(), {24, 46 + i * 21, 680, 20}, fonts::font(fonts::PGothic, 11),
                                     Qt::white, kDarkGrey);
    }
    for (int p = 1; p <= kHelpPages; ++p) {
        ClickLabel *jump = addLabel(this, QString::number(p), {40 + (p - 1) * 36, 534, 30, 30},
                                    fonts::font(fonts::PGothic, 12, true), Qt::white, kDarkGrey);
        jump->setAlignment(Qt::AlignCenter);
        jump->setToolTip(QStringLiteral("%1ページ目を表示します").arg(p));
        jump->setCursor(Qt::PointingHandCursor);
        connect(jump, &ClickLabel::clicked, this, [this, p] { showPage(p); });
        pageLinks[size_t(p - 1)] = jump;
    }
    RulesLink = addLabel(this, QStringLiteral("決まり"), {40 + kHelpPages * 36, 534, 66, 30},
                         fonts::font(fonts::PGothic, 12, true), Qt::white, kDarkGrey);
    RulesLink->setAlignment(Qt::AlignCenter);
    RulesLink->setToolTip(QStringLiteral("英単語テストの答え方の決まりを表示します"));
    RulesLink->setCursor(Qt::PointingHandCursor);
    connect(RulesLink, &ClickLabel::clicked, this, [this] { showPage(kRulesHelpPage); });

    const QFont buttonFont = fonts::font(fonts::PGothic, 12);
    previousButton = addButton(this, QStringLiteral("前へ"), {330, 532, 120, 36}, buttonFont);
    nextButton = addButton(this, QStringLiteral("次へ"), {460, 532, 120, 36}, buttonFont);
    menuButton = addButton(this, QStringLiteral("MENUへ"), {620, 532, 140, 36}, buttonFont);
    connect(previousButton, &QPushButton::clicked, this, &HelpScreen::onPreviousButtonClicked);
    connect(nextButton, &QPushButton::clicked, this, &HelpScreen::onNextButtonClicked);
    connect(menuButton, &QPushButton::clicked, this, &HelpScreen::onMenuButtonClicked);
    menuButton->setDefault(true);

    loadScreen();
}

void HelpScreen::loadScreen()
{
    M.DataDir = kDataDir;
    QStringList problems;
    M.courseTitle = readShownCourseTitle(ctx.data, problems);
    tellWhenShown(problems.join(u'\n'), QStringLiteral("HELP"));
    courseTitleLabel->setText(M.courseTitle);
    HelpPage = 1;
    showPage(1);
}

void HelpScreen::showPage(int page)
{
    HelpPage = page;
    const HelpPageText &text = helpPage(page);
    headingLabel->setText(text.heading);
    for (int i = 0; i < 18; ++i)
        pageLines[size_t(i)]->setText(text.lines.value(i));
}

void HelpScreen::onPreviousButtonClicked() { showPage(previousHelpPage(HelpPage)); }
void HelpScreen::onNextButtonClicked() { showPage(nextHelpPage(HelpPage)); }
void HelpScreen::onMenuButtonClicked() { handOver(ScreenId::Menu); }
