#include "rules/tests/wordtest.h"

namespace {
bool isBlank(QChar c) { return c == u' ' || c == QChar(0x3000); }
} // namespace

WordTest::WordTest()
{
    run.Pass_Goal = 100; // never reached on a first pass
}

QString WordTest::withoutLeadingBlanks(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    return text.mid(i);
}

QString WordTest::trimmedAnswer(const QString &text)
{
    const QString front = withoutLeadingBlanks(text);
    qsizetype end = front.size();
    while (end > 0 && isBlank(front[end - 1]))
        --end;
    return front.left(end);
}

WordTest::Verdict WordTest::judge(const QString &typed)
{
    if (run.isPastEnd() || typed.isEmpty())
        return Verdict::None;
    const size_t p = size_t(run.Q_Pos);
    const QString answer = trimmedAnswer(typed);
    Verdict verdict;
    if (answer == run.Q_Eng[p]) {
        run.Q_Mark[p] = Hint_On == 1 ? -1 : 1;
        verdict = Verdict::Right;
        lastMistakes.clear();
    } else {
        run.Q_Mark[p] = -1;
        verdict = Verdict::Wrong;
        lastMistakes = MistakeClassifier().classify(run.Q_Jpn[p], run.Q_Eng[p], answer);
    }
    const int item = run.Q_No[p];
    if (item >= 0 && item < TestRun::kSlots)
        missTags[size_t(item)] = MistakeClassifier::tagLine(lastMistakes);
    judgedWithHint = Hint_On == 1;
    Hint_On = 0;
    return verdict;
}

bool WordTest::takeRightAnswer()
{
    run.noteJudged(true, judgedWithHint);
    ++run.Q_Pos; // note1
    ++run.OK_Count;
    run.computeScore();
    return run.isPastEnd();
}

void WordTest::takeWrongAnswer()
{
    run.noteJudged(false, judgedWithHint);
    ++run.Q_Pos; // note1
    ++run.NG_Count;
    run.computeScore();
}

bool WordTest::endCheck()
{
    return TestRun::passEndsNow(passEnded, run.wordPassOver());
}

bool WordTest::hintDown()
{
    // Only while an item is being asked: a hint after the last answer would count
    // against the first item of the re-test.
    if (Finished == 1 || passEnded || hintShown || run.isPastEnd())
        return false;
    hintShown = true;
    Hint_On = 1;
    ++run.Help_Count;
    return true;
}

bool WordTest::hintUp()
{
    if (!hintShown)
        return false;
    hintShown = false;
    return true;
}

QStringList WordTest::gatherMisses()
{
    run.prepareBars();
    run.Pass_Goal = 0;
    ++run.Pass_No;
    const int k = run.compactMisses(true);
    QStringList lines;
    for (int i = 1; i <= k; ++i) {
        const int item = run.Q_No[size_t(i)];
        const QString tags = item >= 0 && item < TestRun::kSlots ? missTags[size_t(item)] : QString();
        lines << run.Q_Jpn[size_t(i)] + QStringLiteral("　→　") + run.Q_Eng[size_t(i)] +
                     (tags.isEmpty() ? QString() : QStringLiteral("　") + tags);
    }
    run.Q_Total = run.Pass_Goal;
    run.OK_Count = 0;
    run.NG_Count = 0;
    run.Help_Count = 0;
    run.Q_Pos = 1;
    return lines;
}

void WordTest::startRetest()
{
    run.resetCounters();
    run.computeScore();
    Hint_On = 0;
    hintShown = false;
    passEnded = false;
    run.lastJudgedEng.clear(); // nothing of the re-test has been judged yet
    run.log.restart();
}

void WordTest::leave()
{
    lastMistakes.clear();
    missTags = {};
    Hint_On = 0;
    Finished = 0;
    run.Pass_Goal = 50;
    run.resetCounters();
}
