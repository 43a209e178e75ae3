// The 苦手な問題 pass in a test screen: the items due today in place of a chapter's.
#include "rules/record/passlog.h"
#include "rules/tests/testrun.h"
#include "screens/kit/uikit.h"
#include "screens/tests/testscreen.h"

bool TestScreen::loadWeakPass(TestRun &run, int kind)
{
    Weak = WeakPass::prepare(ctx.data, kind, PassLog::now().date());
    chapterLabel->setText(Weak->chapterLine());
    fit(chapterLabel);
    if (!Weak->problems.isEmpty())
        tellWhenShown(Weak->problems.join(QLatin1Char('\n')) +
                          QStringLiteral("\n読めた記録から苦手な問題を選びました。"),
                      windowTitle());
    if (Weak->isEmpty()) {
        hideTestControls();
        showResult(Weak->nothingDueText());
        return false;
    }
    Weak->fill(run);
    return true;
}
