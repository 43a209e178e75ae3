#include "content/coursefiles.h"

#include "content/datafolder.h"
#include "content/questionbank.h"
#include "content/textreader.h"

QString readCourseTitle(const DataFolder &folder, QString *problem)
{
    TextReader reader(folder.readText(kCourseTitleFile, problem));
    return reader.readField();
}

QStringList readChapterLines(const DataFolder &folder, const QString &name, QString *problem)
{
    TextReader reader(folder.readText(name, problem));
    QStringList lines;
    while (!reader.atEnd() && lines.size() < kChapterCount)
        lines.append(reader.readLine());
    return lines;
}

QStringList readChapterFields(const DataFolder &folder, const QString &name, QString *problem)
{
    TextReader reader(folder.readText(name, problem));
    return reader.readFields(kChapterCount);
}
