#include "rules/record/recordsummary.h"

#include <QHash>

#include <algorithm>

int StudyCalendar::answersOn(QDate day) const
{
    const qint64 i = firstDay.daysTo(day);
    return i >= 0 && i < kDays ? answers[size_t(i)] : 0;
}

int StudyCalendar::busiestDay() const
{
    return *std::max_element(answers.begin(), answers.end());
}

int ChapterStudy::best() const
{
    return scores.isEmpty() ? 0 : *std::max_element(scores.begin(), scores.end());
}

namespace {
QDate mondayOf(QDate day)
{
    return day.addDays(1 - day.dayOfWeek());
}

struct MissKey {
    int chapter;
    QString english;
    bool operator==(const MissKey &) const = default;
};
size_t qHash(const MissKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.chapter, key.english);
}
} // namespace

RecordSummary RecordSummary::of(const QList<AnswerLine> &lines, QDate today)
{
    RecordSummary s;
    StudyCalendar &cal = s.calendar;
    cal.today = today;
    cal.firstDay = mondayOf(today).addDays(-7 * (StudyCalendar::kWeeks - 1));
    const QDate weekStart = mondayOf(today);

    QHash<QDate, int> perDay; // every day studied, for the run of days beyond the calendar
    QHash<MissKey, int> misses;
    std::array<QHash<int, ChapterStudy>, 3> chapters;
    const AnswerLine *passFirst = nullptr; // the first line of the pass being walked
    QDate lastDay;
    int dayCount = 0;
    for (const AnswerLine &line : lines) {
        const bool newPass = !passFirst || !line.samePass(*passFirst);
        if (newPass)
            passFirst = &line;
        // The start of the pass gives the day: a pass is not split at midnight.
        const QDate day = line.passStart.date();
        if (day != lastDay) { // lines of a day come together: counted in a run
            if (lastDay.isValid())
                perDay[lastDay] += dayCount;
            lastDay = day;
            dayCount = 0;
        }
        ++dayCount;
        const bool inWeek = day >= weekStart && day <= today;
        for (StudyTotals *t : {&s.allTime, inWeek ? &s.thisWeek : nullptr}) {
            if (!t)
                continue;
            ++t->answers;
            t->right += line.right ? 1 : 0;
            if (newPass)
                t->seconds += line.passSeconds;
        }
        if (!line.right)
            ++misses[{line.chapter, line.english}];
        // A 苦手な問題 pass is no pass of a chapter: its score is no chapter's.
        if (newPass && line.passNo == 1 && line.score && line.order != kWeakOrder) {
            ChapterStudy &study = chapters[size_t(line.kind - 1)][line.chapter];
            study.chapter = line.chapter;
            study.scores << *line.score;
        }
    }
    if (lastDay.isValid())
        perDay[lastDay] += dayCount;

    for (auto it = perDay.cbegin(); it != perDay.cend(); ++it) {
        const qint64 i = cal.firstDay.daysTo(it.key());
        if (i >= 0 && i < StudyCalendar::kDays)
            cal.answers[size_t(i)] = it.value();
    }
    QDate day = perDay.contains(today) ? today : today.addDays(-1);
    while (perDay.contains(day)) {
        ++s.studyRun;
        day = day.addDays(-1);
    }

    for (size_t k = 0; k < 3; ++k) {
        s.chapters[k] = chapters[k].values();
        std::sort(s.chapters[k].begin(), s.chapters[k].end(),
                  [](const ChapterStudy &a, const ChapterStudy &b) { return a.chapter < b.chapter; });
    }

    for (auto it = misses.cbegin(); it != misses.cend(); ++it)
        s.mostMissed.append({it.key().chapter, it.key().english, it.value()});
    const auto moreMissed = [](const MissedItem &a, const MissedItem &b) {
        return std::tie(b.misses, a.chapter, a.english) < std::tie(a.misses, b.chapter, b.english);
    };
    const qsizetype top = std::min<qsizetype>(kMostMissed, s.mostMissed.size());
    std::partial_sort(s.mostMissed.begin(), s.mostMissed.begin() + top, s.mostMissed.end(), moreMissed);
    s.mostMissed.resize(top);
    return s;
}

QString studyTimeText(qint64 seconds)
{
    const qint64 minutes = seconds / 60;
    if (minutes < 60)
        return QStringLiteral("%1分").arg(minutes);
    return QStringLiteral("%1時間%2分").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString totalsText(const QString &period, const StudyTotals &t)
{
    return QStringLiteral("%1　解答 %2問　正解率 %3%　学習時間 %4")
        .arg(period)
        .arg(t.answers)
        .arg(t.rightPercent())
        .arg(studyTimeText(t.seconds));
}
