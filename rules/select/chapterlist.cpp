#include "rules/select/chapterlist.h"

#include "files/coursefiles.h"
#include "files/datafolder.h"
#include "files/questionbank.h"
#include "files/scores.h"
#include "rules/sharedstate.h"

namespace {
void addProblem(QStringList &problems, const QString &problem, const QString &consequence = QString())
{
    if (!problem.isEmpty())
        problems.append(problem + consequence);
}

QStringList readScoreRecords(const DataFolder &folder, const QString &fileName, QStringList &problems)
{
    const ScoreFile file = readScores(folder, fileName);
    // A missing file is what a fresh folder may hold: the first test writes it.
    if (file.unreadable)
        addProblem(problems, file.problem, QStringLiteral("この成績は未受験として表示します。"));
    else if (!file.missing)
        addProblem(problems, file.problem); // a short file: the message says what happens
    return file.records;
}
} // namespace

ChapterList loadChapterList(const DataFolder &folder, SharedState &m)
{
    ChapterList list;

    m.courseTitle = readShownCourseTitle(folder, list.problems);

    QString problem;
    const QStringList names = readChapterLines(folder, kChapterNamesFile, &problem);
    addProblem(list.problems, problem);
    for (qsizetype i = 0; i < names.size() && i < kChapterCount; ++i)
        m.chapterNames[size_t(i)] = names[i];
    addProblem(list.problems, folder.encodingProblem(kChapterNamesFile, DataFolder::undecodable(names.join(QChar(u'\n')))));

    if (m.TestKind >= 1 && m.TestKind <= 3) {
        list.inOrderScores = readScoreRecords(folder, m.inOrderScoreFile[size_t(m.TestKind)], list.problems);
        list.randomScores = readScoreRecords(folder, m.randomScoreFile[size_t(m.TestKind)], list.problems);
    } else {
        list.inOrderScores = list.randomScores = QStringList(kChapterCount, QString());
    }
    list.Kanryo = finishedChapters(m.chapterNames, list.inOrderScores, list.randomScores);
    return list;
}

std::array<bool, kChapterCount> finishedChapters(const std::array<QString, kChapterCount> &names, const QStringList &inOrderRecords,
                                      const QStringList &randomRecords)
{
    std::array<bool, kChapterCount> finished{};
    for (int i = 0; i < kChapterCount; ++i) {
        // A chapter without a name is never marked.
        finished[size_t(i)] = !names[size_t(i)].isEmpty() && isFinished(inOrderRecords.value(i), randomRecords.value(i));
    }
    return finished;
}
