// Which class stands behind each screen.
#include "app/navigator.h"

#include "app/f_help.h"
#include "app/f_menu.h"
#include "app/placeholderscreen.h"
#include "print/f_insatsu_eitango.h"
#include "screens/results/f_seisekihyou.h"

Screen *createScreen(ScreenId id, AppContext &ctx)
{
    switch (id) {
    case ScreenId::Help:
        return new F_HELP(ctx);
    case ScreenId::Menu:
        return new F_MENU(ctx);
    case ScreenId::ChapterSelect:
        return new PlaceholderScreen(ctx, id, QStringLiteral("項目選択"));
    case ScreenId::QuestionSelect:
        return new PlaceholderScreen(ctx, id, QStringLiteral("問題選択"));
    case ScreenId::ChoiceTest:
        return new PlaceholderScreen(ctx, id, QStringLiteral("選択問題"));
    case ScreenId::WordTest:
        return new PlaceholderScreen(ctx, id, QStringLiteral("英単語テスト"));
    case ScreenId::ScoreSheet:
        return new F_Seisekihyou(ctx);
    case ScreenId::Note:
        return new PlaceholderScreen(ctx, id, QStringLiteral("ノートで勉強"));
    case ScreenId::PrintWordSheets:
        return new F_Insatsu_Eitango(ctx);
    case ScreenId::Editor:
        return new PlaceholderScreen(ctx, id, QStringLiteral("英単語の修正"));
    }
    return new PlaceholderScreen(ctx, id, QString());
}
