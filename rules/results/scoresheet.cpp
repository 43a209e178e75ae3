#include "rules/results/scoresheet.h"

#include "files/coursefiles.h"
#include "files/datafolder.h"
#include "files/questionbank.h"
#include "files/scores.h"
#include "rules/sharedstate.h"

#include <utility>

ScoreSheet::ScoreSheet(const SharedState &m, const DataFolder &folder) : M(m), data(folder) {}

void ScoreSheet::readTitles()
{
    const QString file = M.TitleFile[SheetKind];
    QString problem;
    const QStringList lines = readChapterLines(data, file, &problem);
    // Laying out a line of megabytes for a cell that shows a few words would hold the screen
    // for seconds at every redraw; no cell, on screen or on paper, shows more than this.
    constexpr qsizetype kLongestShownTitle = 200;
    for (int n = 1; n <= lines.size(); ++n)
        TitleLine[n] = lines[n - 1].left(kLongestShownTitle);
    if (!problem.isEmpty())
        problems_.append({file, problem + QStringLiteral("章の題名なしで表示します。")});
    else if (const QString encoding = data.encodingProblem(file, DataFolder::undecodable(lines.join(u'\n'))); !encoding.isEmpty())
        problems_.append({file, encoding});
}

void ScoreSheet::clearTitles()
{
    for (int n = 1; n <= kChapterCount; ++n)
        TitleLine[n].clear();
}

void ScoreSheet::loadScores(const QString &file, std::array<QString, kChapterCount + 1> &into)
{
    const ScoreFile scores = readScores(data, file);
    for (int n = 1; n <= kChapterCount; ++n)
        into[n] = scores.records.value(n - 1);
    if (!scores.problem.isEmpty()) {
        QString message = scores.problem;
        if (scores.missing || scores.unreadable)
            message += QStringLiteral("成績は空欄で表示します。");
        problems_.append({file, message});
    }
}

void ScoreSheet::loadKindScores()
{
    readKindScores(SheetKind, inOrderScores, randomScores);
}

void ScoreSheet::readKindScores(int kind, std::array<QString, kChapterCount + 1> &inOrderRecords,
                                std::array<QString, kChapterCount + 1> &randomRecords)
{
    loadScores(M.inOrderScoreFile[size_t(kind)], inOrderRecords);
    loadScores(M.randomScoreFile[size_t(kind)], randomRecords);
}

QString ScoreSheet::clearKindScores()
{
    for (int n = 1; n <= kChapterCount; ++n) {
        inOrderScores[n].clear();
        randomScores[n].clear();
    }
    return clearScores(data, M.inOrderScoreFile[SheetKind], M.randomScoreFile[SheetKind]);
}

void ScoreSheet::selectKind(int kind)
{
    SheetKind = kind;
    loadKindScores();
}

QList<FileProblem> ScoreSheet::takeProblems()
{
    return std::exchange(problems_, {});
}
