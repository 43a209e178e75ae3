#include "support/samplerecord.h"

#include "files/questionbank.h"

#include <random>

QList<AnswerLine> sampleRecord(const DataFolder &course, QDate lastDay, int days, int answersPerDay, int restEvery,
                               unsigned seed)
{
    std::array<QStringList, kChapterCount + 1> items;
    for (int c = 1; c <= kChapterCount; ++c) {
        for (const Question &q : readChapter(course, c).items)
            items[size_t(c)] << q.eng;
        if (items[size_t(c)].isEmpty())
            items[size_t(c)] << QStringLiteral("e%1-1").arg(c);
    }
    std::mt19937 random(seed);
    QList<AnswerLine> lines;
    lines.reserve(qsizetype(days) * answersPerDay);
    int chapter = 1;
    for (int d = days - 1; d >= 0; --d) {
        if (restEvery > 0 && d % restEvery == restEvery - 1)
            continue;
        QDateTime start(lastDay.addDays(-d), QTime(17, 0, 0));
        for (int given = 0; given < answersPerDay;) {
            const int kind = 1 + int(random() % 3);
            const QStringList &list = items[size_t(chapter)];
            const int skill = 60 + int(random() % 40); // per cent right in this pass
            int right = 0;
            AnswerLine line;
            line.passStart = ClockTime(start);
            line.kind = kind;
            line.order = int(random() % 2);
            line.chapter = chapter;
            const qsizetype first = lines.size();
            for (int i = 0; i < list.size(); ++i) {
                line.item = i + 1;
                line.english = list[i];
                line.right = int(random() % 100) < skill;
                line.hint = kind == 3 && line.right && random() % 10 == 0;
                line.second = 6 * (i + 1);
                right += line.right && !line.hint;
                lines << line;
            }
            const int score = int(right * 100 / list.size());
            for (qsizetype k = first; k < lines.size(); ++k) {
                lines[k].score = score;
                lines[k].passSeconds = int(6 * list.size());
            }
            given += int(list.size());
            start = start.addSecs(6 * list.size() + 30);
            if (score >= 80 || random() % 3 == 0)
                chapter = chapter % kChapterCount + 1;
        }
    }
    return lines;
}
