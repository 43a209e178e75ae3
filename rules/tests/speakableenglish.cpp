#include "rules/tests/speakableenglish.h"

#include "rules/tests/choicetest.h"
#include "rules/tests/wordtest.h"

namespace {
QString sounds(const QString &english)
{
    QString kept;
    for (const QChar c : english) {
        if (c.isLetterOrNumber())
            kept += c.toCaseFolded();
    }
    return kept;
}
} // namespace

bool SpeakableEnglish::soundAlike(const QString &a, const QString &b)
{
    return sounds(a) == sounds(b);
}

QString SpeakableEnglish::judgedUnlessAsked(const QString &judged, const QString &asked)
{
    // Two items of a chapter may share their English: the one asked must not be heard.
    if (!asked.isEmpty() && soundAlike(judged, asked))
        return {};
    return judged;
}

namespace {
bool asksAnItem(const ChoiceTest &test)
{
    return !test.passEnded && test.Review_On == 0 && !test.run.isPastEnd();
}
} // namespace

QString SpeakableEnglish::choiceTest(const ChoiceTest &test)
{
    if (test.kind == 1 && asksAnItem(test))
        return test.run.currentEng();
    return choiceTestJudged(test);
}

QString SpeakableEnglish::choiceTestJudged(const ChoiceTest &test)
{
    const TestRun &run = test.run;
    // Kind 1 shows the English asked; kind 2 asks for it.
    const bool answerIsEnglish = test.kind == 2 && asksAnItem(test);
    return judgedUnlessAsked(run.lastJudgedEng, answerIsEnglish ? run.currentEng() : QString());
}

QString SpeakableEnglish::wordTest(const WordTest &test)
{
    const TestRun &run = test.run;
    const bool asking = !test.passEnded && test.Finished == 0 && !run.isPastEnd();
    return judgedUnlessAsked(run.lastJudgedEng, asking ? run.currentEng() : QString());
}
