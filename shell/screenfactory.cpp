// Which class stands behind each screen.
#include "screens/kit/navigator.h"

#include "screens/editor/editorscreen.h"
#include "screens/help/helpscreen.h"
#include "screens/kit/placeholderscreen.h"
#include "screens/menu/menuscreen.h"
#include "screens/printing/printscreen.h"
#include "screens/record/recordscreen.h"
#include "screens/results/notescreen.h"
#include "screens/results/scoresheetscreen.h"
#include "screens/select/chapterselectscreen.h"
#include "screens/select/questionselectscreen.h"
#include "screens/tests/choicetestscreen.h"
#include "screens/tests/wordtestscreen.h"

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
