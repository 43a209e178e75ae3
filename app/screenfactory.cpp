// Which class stands behind each screen.
#include "app/navigator.h"

#include "app/f_help.h"
#include "app/f_menu.h"
#include "app/placeholderscreen.h"
#include "screens/tests/f_eitango.h"
#include "screens/tests/f_sentakumondai.h"

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
        return new F_SentakuMondai(ctx);
    case ScreenId::WordTest:
        return new F_Eitango(ctx);
    case ScreenId::ScoreSheet:
        return new PlaceholderScreen(ctx, id, QStringLiteral("成績表"));
    case ScreenId::Note:
        return new PlaceholderScreen(ctx, id, QStringLiteral("ノートで勉強"));
    case ScreenId::PrintWordSheets:
        return new PlaceholderScreen(ctx, id, QStringLiteral("英単語（印刷）"));
    case ScreenId::Editor:
        return new PlaceholderScreen(ctx, id, QStringLiteral("英単語の修正"));
    }
    return new PlaceholderScreen(ctx, id, QString());
}
