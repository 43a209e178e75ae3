#include "rules/tests/testrun.h"

#include "files/questionbank.h"
#include "files/scores.h"
#include "rules/random.h"
#include "rules/sharedstate.h"

#include <QList>
#include <algorithm>
#include <cmath>

void TestRun::prepare()
{
    prepareBars();
    for (int k = 0; k <= 50; ++k)
        Q_No[size_t(k)] = k;
}

void TestRun::prepareBars()
{
    Bar_OK.fill(QString());
    Bar_NG.fill(QString());
    for (int k = 0; k <= 50; ++k) {
        Bar_OK[size_t(k + 1)] = Bar_OK[size_t(k)] + QChar(0x3000);
        Bar_NG[size_t(k + 1)] = Bar_NG[size_t(k)] + QChar(0x3000);
    }
}

void TestRun::take(const ChapterQuestions &chapter)
{
    Q_Total = 0;
    const int n = std::min<int>(int(chapter.items.size()), kMaxQuestions);
    for (int i = 1; i <= n; ++i) {
        const Question &q = chapter.items[i - 1];
        Q_Eng[size_t(i)] = q.eng;
        Q_Jpn[size_t(i)] = q.jpn;
        Q_Third[size_t(i)] = q.third;
        ++Q_Total;
    }
    if (chapter.endedByMarker)
        Q_Eng[size_t(Q_Total + 1)] = QStringLiteral("*");
}

void TestRun::shuffleItems(RandomSource &random)
{
    const int n = Q_Total;
    const QList<int> perm = drawPermutation(random, n);
    const auto eng = Q_Eng;
    const auto jpn = Q_Jpn;
    const auto third = Q_Third;
    const auto numbers = Q_No;
    for (int i = 1; i <= n && i <= int(perm.size()); ++i) {
        const size_t from = size_t(perm[i - 1]);
        Q_Eng[size_t(i)] = eng[from];
        Q_Jpn[size_t(i)] = jpn[from];
        Q_Third[size_t(i)] = third[from];
        Q_No[size_t(i)] = numbers[from];
    }
}

int TestRun::computeScore()
{
    if (Q_Total <= 0) {
        Score = 0;
        return Score;
    }
    const int product = OK_Count * 100;
    Score = int(std::floor(double(product) / double(Q_Total) - double(Help_Count)));
    return Score;
}

QString TestRun::okBar() const
{
    return Bar_OK[size_t(std::clamp(OK_Count, 0, 100))];
}

QString TestRun::ngBar() const
{
    return Bar_NG[size_t(std::clamp(NG_Count, 0, 100))];
}

bool TestRun::choicePassOver() const
{
    return OK_Count + NG_Count == Q_Total || OK_Count == Pass_Goal;
}

bool TestRun::wordPassOver() const
{
    const int answered = OK_Count + NG_Count;
    return answered == Pass_Goal || answered == Q_Total;
}

bool TestRun::passEndsNow(bool &passEnded, bool over)
{
    if (passEnded || !over)
        return false;
    passEnded = true;
    return true;
}

QString TestRun::scoreFileName(const SharedState &m, int kind)
{
    const size_t k = size_t(std::clamp(kind, 0, 3));
    return m.RandomMode == 1 ? m.randomScoreFile[k] : m.inOrderScoreFile[k];
}

QString TestRun::storeFirstPassScore(const DataFolder &folder, const SharedState &m, int kind) const
{
    if (!isFirstPass())
        return {};
    const QString file = scoreFileName(m, kind);
    if (file.isEmpty())
        return QStringLiteral("このテストの成績ファイルの名前が決まっていません。");
    return storeScore(folder, file, m.chosenChapter, Score);
}

void TestRun::noteJudged(bool right, bool hint)
{
    lastJudgedEng = currentEng();
    if (!isPastEnd())
        log.note(Q_No[size_t(Q_Pos)], lastJudgedEng, right, hint);
}

int TestRun::compactMisses(bool moveNumbers)
{
    int skipped = 0;
    int moved = 0;
    for (int j = 1; j <= Q_Total; ++j) {
        if (Q_Mark[size_t(j)] == 1) {
            ++skipped;
            continue;
        }
        const size_t k = size_t(j - skipped);
        Q_Eng[k] = Q_Eng[size_t(j)];
        Q_Jpn[k] = Q_Jpn[size_t(j)];
        Q_Third[k] = Q_Third[size_t(j)];
        if (moveNumbers)
            Q_No[k] = Q_No[size_t(j)];
        Q_Mark[k] = 0;
        moved = int(k);
        Pass_Goal = moved;
    }
    return moved;
}

void TestRun::resetCounters()
{
    OK_Count = 0;
    NG_Count = 0;
    Help_Count = 0;
    Score = 0;
}
