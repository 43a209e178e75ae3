#include "screens/kit/placeholderscreen.h"

#include "look/fonts.h"
#include "look/palette.h"
#include "screens/kit/uikit.h"

PlaceholderScreen::PlaceholderScreen(AppContext &context, ScreenId id, const QString &caption)
    : Screen(context, id)
{
    setWindowTitle(caption);
    setFixedSize(800, 600);
    setWindowColour(this, kMidGrey);
    ClickLabel *text = addLabel(this, QStringLiteral("「%1」の画面はまだできていません。").arg(caption),
                                {40, 200, 720, 60}, fonts::font(fonts::PGothic, 16, true), Qt::white, kDarkGrey);
    text->setAlignment(Qt::AlignCenter);
    backButton = addButton(this, QStringLiteral("MENUに戻る"), {300, 320, 200, 40}, fonts::font(fonts::PGothic, 12));
    connect(backButton, &QPushButton::clicked, this, [this] {
        M.TestKind = 0;
        handOver(ScreenId::Menu);
    });
}
