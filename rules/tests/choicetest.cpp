#include "rules/tests/choicetest.h"

#include "rules/random.h"

ChoiceTest::ChoiceTest(int testKind) : kind(testKind == 2 ? 2 : 1) {}

QString ChoiceTest::lineOf(int position, bool question) const
{
    if (position < 1 || position >= TestRun::kSlots)
        return {};
    const bool english = (kind == 1) == question;
    return english ? run.Q_Eng[size_t(position)] : run.Q_Jpn[size_t(position)];
}

QString ChoiceTest::questionLine(int position) const { return lineOf(position, true); }
QString ChoiceTest::answerLine(int position) const { return lineOf(position, false); }

void ChoiceTest::buildItem(RandomSource &random)
{
    const int p = run.Q_Pos;
    // The answers of the other items in list order; slots past them stay empty.
    std::array<QString, 5> others;
    int filled = 0;
    if (otherAnswers) {
        for (const QString &other : otherAnswers(p)) {
            if (filled < 4)
                others[size_t(++filled)] = other;
        }
    }
    for (int i = 1; i <= run.Q_Total && filled < 4 && !otherAnswers; ++i) {
        if (i != p)
            others[size_t(++filled)] = answerLine(i);
    }
    std::array<QString, 6> work{QString(), others[1], answerLine(p), others[2], others[3], others[4]};

    // Only the entries up to the first empty one take part in the shuffle.
    int m = 0;
    while (m < 5 && !work[size_t(m + 1)].isEmpty())
        ++m;
    if (m > 0) {
        const QList<int> perm = drawPermutation(random, m);
        const std::array<QString, 6> old = work;
        for (int i = 1; i <= m; ++i)
            work[size_t(i)] = old[size_t(perm[i - 1])];
    }
    Choice = work;
}

ChoiceTest::KeyEffect ChoiceTest::keyEffect(int qtKey, bool keypad)
{
    if (keypad && qtKey >= Qt::Key_1 && qtKey <= Qt::Key_5) {
        Sel = qtKey - Qt::Key_0;
        return KeyEffect::Highlight;
    }
    switch (qtKey) {
    case Qt::Key_Space:
        if (Review_On == 1 && Pass_Done == 0)
            return KeyEffect::LeaveReview;
        Sel = Sel >= 5 ? 1 : Sel + 1;
        return KeyEffect::Highlight;
    case Qt::Key_Down:
        if (Sel >= 5)
            return KeyEffect::None;
        ++Sel;
        return KeyEffect::Highlight;
    case Qt::Key_Up:
        if (Sel <= 1)
            return KeyEffect::None;
        --Sel;
        return KeyEffect::Highlight;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return canJudge() ? KeyEffect::Judge : KeyEffect::None;
    default:
        return KeyEffect::None;
    }
}

bool ChoiceTest::canJudge() const
{
    return !passEnded && Review_On == 0 && Sel >= 1 && Sel <= 5 && !run.isPastEnd();
}

bool ChoiceTest::isRightAnswer() const
{
    return Choice[size_t(Sel)] == answerLine(run.Q_Pos);
}

bool ChoiceTest::takeRightAnswer()
{
    run.noteJudged(true);
    run.Q_Mark[size_t(run.Q_Pos)] = 1;
    ++run.OK_Count;
    run.computeScore();
    if (run.Q_Pos <= run.Q_Total)
        ++run.Q_Pos; // Test_Next
    return !run.isPastEnd();
}

void ChoiceTest::takeWrongAnswer()
{
    run.noteJudged(false);
    run.Q_Mark[size_t(run.Q_Pos)] = -1;
    ++run.NG_Count;
    lastAnswer = Choice[size_t(Sel)];
    Review_On = 1;
    run.computeScore();
}

bool ChoiceTest::checkPassEnd()
{
    return TestRun::passEndsNow(passEnded, run.choicePassOver());
}

void ChoiceTest::onFullMarks()
{
    Pass_Done = 1;
    Choice.fill(QString());
    run.OK_Count = 0;
    run.NG_Count = 0;
}

void ChoiceTest::onMissedMarks()
{
    Mis_Done = 0;
    Choice.fill(QString());
}

bool ChoiceTest::leaveReview()
{
    Review_On = 0;
    if (passEnded)
        return false; // the last answer was wrong: only the review goes
    ++run.Q_Pos;
    return !run.isPastEnd();
}

QStringList ChoiceTest::missListLines()
{
    if (Mis_Done == 1)
        return {};
    ++run.Pass_No;
    // The item numbers move with the items: the record and a 苦手な問題 pass read them.
    const int k = run.compactMisses(true);
    QStringList lines;
    for (int i = 1; i <= k; ++i)
        lines << QString::number(i) + QStringLiteral(". ") + questionLine(i) + QStringLiteral(" → ") + answerLine(i);
    Mis_Done = 1;
    return lines;
}
