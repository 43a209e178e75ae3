// Which class stands behind each screen.
#include "shell/screenfactory.h"

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
        return new HelpScreen(ctx);
    case ScreenId::Menu:
        return new MenuScreen(ctx);
    case ScreenId::ChapterSelect:
        return new ChapterSelectScreen(ctx);
    case ScreenId::QuestionSelect:
        return new QuestionSelectScreen(ctx);
    case ScreenId::ChoiceTest:
        return new ChoiceTestScreen(ctx);
    case ScreenId::WordTest:
        return new WordTestScreen(ctx);
    case ScreenId::ScoreSheet:
        return new ScoreSheetScreen(ctx);
    case ScreenId::Note:
        return new NoteScreen(ctx);
    case ScreenId::PrintWordSheets:
        return new PrintScreen(ctx);
    case ScreenId::Editor:
        return new EditorScreen(ctx);
    case ScreenId::Record:
        return new RecordScreen(ctx);
    }
    return new PlaceholderScreen(ctx, id, QString());
}
