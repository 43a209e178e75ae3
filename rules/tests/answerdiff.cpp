#include "rules/tests/answerdiff.h"

#include <vector>

namespace {

// Beyond this many cells the answers are no typing slip; what lies between their common
// start and end is marked whole.
constexpr qsizetype kMaxTableCells = 250'000;

// Marks, in a and b, the characters outside a longest common subsequence of the two.
void markOutsideCommon(const QString &a, const QString &b, QList<bool> &aMarks, QList<bool> &bMarks)
{
    aMarks = QList<bool>(a.size(), true);
    bMarks = QList<bool>(b.size(), true);
    qsizetype head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head])
        aMarks[head] = bMarks[head] = false, ++head;
    qsizetype tail = 0;
    while (tail < a.size() - head && tail < b.size() - head && a[a.size() - 1 - tail] == b[b.size() - 1 - tail]) {
        aMarks[a.size() - 1 - tail] = bMarks[b.size() - 1 - tail] = false;
        ++tail;
    }
    const qsizetype n = a.size() - head - tail, m = b.size() - head - tail;
    if (n == 0 || m == 0 || (n + 1) * (m + 1) > kMaxTableCells)
        return;
    // common[i][j]: length of the longest common subsequence of a's middle from i and b's from j.
    std::vector<int> common(size_t((n + 1) * (m + 1)), 0);
    auto at = [&](qsizetype i, qsizetype j) -> int & { return common[size_t(i * (m + 1) + j)]; };
    for (qsizetype i = n - 1; i >= 0; --i) {
        for (qsizetype j = m - 1; j >= 0; --j)
            at(i, j) = a[head + i] == b[head + j] ? at(i + 1, j + 1) + 1 : std::max(at(i + 1, j), at(i, j + 1));
    }
    for (qsizetype i = 0, j = 0; i < n && j < m;) {
        if (a[head + i] == b[head + j]) {
            aMarks[head + i] = bMarks[head + j] = false;
            ++i, ++j;
        } else if (at(i + 1, j) >= at(i, j + 1)) {
            ++i;
        } else {
            ++j;
        }
    }
}

} // namespace

AnswerDiff AnswerDiff::compare(const QString &typed, const QString &right)
{
    AnswerDiff diff;
    markOutsideCommon(typed, right, diff.typedMarks, diff.rightMarks);
    return diff;
}
