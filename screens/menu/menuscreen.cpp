#include "screens/menu/menuscreen.h"

#include "look/fonts.h"
#include "look/palette.h"
#include "screens/kit/dialogs.h"
#include "screens/kit/uikit.h"

#include <QFileInfo>

namespace {
const QString kHomePageTip = QStringLiteral("クリックするとマナビバのホームページに行きます。");
// Design positions are in twips; the screen shows them at 15 twips a pixel.
constexpr int px(int twips) { return twips / 15; }
} // namespace

MenuScreen::MenuScreen(AppContext &context) : Screen(context, ScreenId::Menu)
{
    setWindowTitle(QStringLiteral("英単語・英作文が身につくソフト"));
    setFixedSize(800, 600);
    setWindowColour(this, kMidGrey);

    decorationLabel = addLabel(this, QString(), {0, 0, 800, 100}, fonts::font(fonts::PGothic, 10), Qt::white, kDarkGrey);
    const QFont titleFont = fonts::font(fonts::PGothic, 36, true);
    const QString title = QStringLiteral("ミノリ塾　英語学習ソフト");
    titleLabels[0] = addLabel(this, title, {px(1860), px(240), 660, 64}, titleFont, Qt::white);
    titleLabels[1] = addLabel(this, title, {px(1860) - 2, px(225), 660, 64}, titleFont, QColor(fromBgr(0x0000FF)));
    makerLabel = addLabel(this, QStringLiteral("マナビバ"), {700, 72, 90, 22}, fonts::font(fonts::PGothic, 10, true),
                       QColor(fromBgr(0x00FF00)), kDarkGrey);
    makerLabel->setAlignment(Qt::AlignCenter);
    for (ClickLabel *label : {titleLabels[0], titleLabels[1], makerLabel}) {
        label->setToolTip(kHomePageTip);
        label->setCursor(Qt::PointingHandCursor);
        connect(label, &ClickLabel::clicked, this, &MenuScreen::openHomePage);
    }

    auto *frame = new Panel(this, kDarkGrey);
    frame->setGeometry(px(900) - 20, px(3600) - 20, px(8400) + px(2655) - px(900) + 40, px(3135) + 40);
    frame->lower();
    decorationLabel->lower();

    const QFont bigFont = fonts::font(fonts::PGothic, 14, true);
    const QSize testButton(px(2655), px(3135));
    const auto testButtonAt = [&](const QString &caption, int left) {
        auto *button = new WrapButton(caption, this);
        button->setFont(bigFont);
        button->setGeometry({{px(left), px(3600)}, testButton});
        return button;
    };
    choiceEnglishButton = testButtonAt(QStringLiteral("５問から選択テスト(英→日）"), 900);
    choiceJapaneseButton = testButtonAt(QStringLiteral("５問から選択テスト(日→英）"), 4650);
    wordTestButton = testButtonAt(QStringLiteral("英単語テスト"), 8400);
    const QFont smallFont = fonts::font(fonts::PGothic, 12);
    helpButton = addButton(this, QStringLiteral("学習ソフトの使用方法"), {px(4320), px(7920), 200, 40}, smallFont);
    scoreSheetButton = addButton(this, QStringLiteral("テストの成績表"), {px(8100), px(7920), 200, 40}, smallFont);
    RecordButton = addButton(this, QStringLiteral("学習の記録"), {px(900) - 20, px(7920), 200, 40}, smallFont);
    connect(RecordButton, &QPushButton::clicked, this, [this] { handOver(ScreenId::Record); });

    connect(choiceEnglishButton, &QPushButton::clicked, this, [this] { startTest(1); });
    connect(choiceJapaneseButton, &QPushButton::clicked, this, [this] { startTest(2); });
    connect(wordTestButton, &QPushButton::clicked, this, [this] { startTest(3); });
    connect(helpButton, &QPushButton::clicked, this, &MenuScreen::onHelpButtonClicked);
    connect(scoreSheetButton, &QPushButton::clicked, this, &MenuScreen::onScoreSheetButtonClicked);

    loadScreen();
}

void MenuScreen::loadScreen()
{
    fillTestCatalogue(M);
}

void MenuScreen::startTest(int kind)
{
    M.TestKind = kind;
    handOver(ScreenId::ChapterSelect);
}

void MenuScreen::onHelpButtonClicked() { handOver(ScreenId::Help); }

void MenuScreen::onScoreSheetButtonClicked() { handOver(ScreenId::ScoreSheet); } // the navigator forgets the test kind

void MenuScreen::openHomePage()
{
    // The browser opens on its own; the menu does not wait for it.
    const bool present = !ctx.homePage.isEmpty() && QFileInfo::exists(ctx.homePage);
    if (present && ctx.openUrl && ctx.openUrl(QUrl::fromLocalFile(ctx.homePage)))
        return;
    ctx.dialogs->inform(this,
                        present ? QStringLiteral("ホームページをブラウザーで開けませんでした。")
                                : QStringLiteral("ホームページのファイルが見つかりません。"),
                        QStringLiteral("ホームページ"));
}
