// Which class stands behind each screen.
#include "app/navigator.h"

#include "app/f_help.h"
#include "app/f_menu.h"
#include "app/placeholderscreen.h"
#include "content/f_sakusei.h"
#include "screens/results/f_note.h"
#include "screens/select/f_komokusentaku.h"
#include "screens/select/f_mondaisentaku.h"
#include "screens/tests/f_eitango.h"
#include "screens/tests/f_sentakumondai.h"
#include "print/f_insatsu_eitango.h"
#include "screens/results/f_seisekihyou.h"
#include "screens/record/f_gakushukiroku.h"

Screen *createScreen(ScreenId id, AppContext &ctx)
{
    switch (id) {
    case ScreenId::Help:
        return new F_HELP(ctx);
    case ScreenId::Menu:
        return new F_MENU(ctx);
    case ScreenId::ChapterSelect:
        return new F_KomokuSentaku(ctx);
    case ScreenId::QuestionSelect:
        return new F_MondaiSentaku(ctx);
    case ScreenId::ChoiceTest:
        return new F_SentakuMondai(ctx);
    case ScreenId::WordTest:
        return new F_Eitango(ctx);
    case ScreenId::ScoreSheet:
        return new F_Seisekihyou(ctx);
    case ScreenId::Note:
        return new F_NOTE(ctx);
    case ScreenId::PrintWordSheets:
        return new F_Insatsu_Eitango(ctx);
    case ScreenId::Editor:
        return new F_SAKUSEI(ctx);
    case ScreenId::Record:
        return new F_GakushuKiroku(ctx);
    }
    return new PlaceholderScreen(ctx, id, QString());
}
