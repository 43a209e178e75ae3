#include "files/coursefiles.h"

#include "files/datafolder.h"
#include "files/questionbank.h"
#include "files/textreader.h"

QString readCourseTitle(const DataFolder &folder, QString *problem)
{
    TextReader reader(folder.readText(kCourseTitleFile, problem));
    return reader.readField();
}

QString readShownCourseTitle(const DataFolder &folder, QStringList &problems)
{
    QString problem;
    const QString title = readCourseTitle(folder, &problem);
    if (!problem.isEmpty())
        problems.append(problem + QStringLiteral("教材の題名は空のまま表示します。"));
    if (const QString encoding = folder.encodingProblem(kCourseTitleFile, DataFolder::undecodable(title)); !encoding.isEmpty())
        problems.append(encoding);
    return title;
}

QStringList readChapterLines(const DataFolder &folder, const QString &name, QString *problem, bool *linesPast60)
{
    TextReader reader(folder.readText(name, problem));
    QStringList lines;
    while (!reader.atEnd() && lines.size() < kChapterCount)
        lines.append(reader.readLine());
    if (linesPast60)
        *linesPast60 = !reader.atEnd();
    return lines;
}

QStringList readChapterFields(const DataFolder &folder, const QString &name, QString *problem)
{
    TextReader reader(folder.readText(name, problem));
    return reader.readFields(kChapterCount);
}
