// The boxes of 苦手な問題 from five years of learning record, and the 苦手な問題 pass that
// question selection prepares from the record files. Run with scripts/bench.
#include "files/questionbank.h"
#include "rules/review/weakpass.h"
#include "support/testcourse.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {
const DataFolder &bundledCourse()
{
    static const DataFolder course(QStringLiteral(EITANGO_BUILD_DIR "/course/E1"));
    return course;
}

// Five years of daily study ending today: whole passes through the chapters in turn, the
// three kinds in turn, about 190 answers a day, about one answer in seven wrong or hinted.
QList<AnswerLine> fiveYearsOfStudy(const DataFolder &course, QDate today)
{
    std::array<QList<Question>, kChapterCount + 1> chapters;
    for (int c = 1; c <= kChapterCount; ++c)
        chapters[size_t(c)] = readChapter(course, c).items;
    std::mt19937 random(7);
    std::uniform_int_distribution<int> percent(0, 99);
    QList<AnswerLine> lines;
    int chapter = 0, kind = 0;
    for (QDate day = today.addYears(-5); day <= today; day = day.addDays(1)) {
        QDateTime start(day, QTime(17, 0));
        for (int answered = 0; answered < 190;) {
            chapter = chapter % kChapterCount + 1;
            kind = kind % 3 + 1;
            const QList<Question> &items = chapters[size_t(chapter)];
            for (int i = 0; i < items.size(); ++i, ++answered) {
                AnswerLine a;
                a.passStart = ClockTime(start);
                a.kind = kind;
                a.chapter = chapter;
                a.item = i + 1;
                a.english = items[i].eng;
                const int p = percent(random);
                a.right = p >= 10;
                a.hint = kind == 3 && p >= 10 && p < 14;
                a.second = 8 * (i + 1);
                a.score = 80;
                a.passSeconds = 8 * int(items.size());
                lines << a;
            }
            start = start.addSecs(600);
        }
    }
    return lines;
}
} // namespace

// Working out every kind's boxes from the lines, with every item checked against the course.
void BM_ReviewBoxesFiveYears(benchmark::State &state)
{
    const QList<AnswerLine> lines = fiveYearsOfStudy(bundledCourse(), QDate::currentDate());
    int inBoxes = 0;
    for (auto _ : state) {
        CourseChapters course(bundledCourse());
        const ReviewBoxes boxes = courseBoxes(lines, course);
        inBoxes = int(boxes.items(1).size() + boxes.items(2).size() + boxes.items(3).size());
        benchmark::DoNotOptimize(inBoxes);
    }
    state.counters["lines"] = double(lines.size());
    state.counters["items"] = double(inBoxes);
    if (inBoxes == 0)
        state.SkipWithError("no item in a box");
}
BENCHMARK(BM_ReviewBoxesFiveYears)->Unit(benchmark::kMillisecond);

// What the 苦手な問題 button waits for: the record files read, the boxes worked out and the
// word test's pass of the day picked.
void BM_WeakPassFromRecordFiles(benchmark::State &state)
{
    TestCourse course;
    for (int c = 1; c <= kChapterCount; ++c)
        course.writeBytes(levelFileName(c), bundledCourse().read(levelFileName(c)).bytes);
    const QDate today = QDate::currentDate();
    const QList<AnswerLine> lines = fiveYearsOfStudy(bundledCourse(), today);
    const DataFolder folder = course.folder();
    // Written a month at a time, as the record grows; each year's file goes on in parts.
    for (qsizetype first = 0, next = 0; first < lines.size(); first = next) {
        const QDate month = lines[first].passStart.date();
        while (next < lines.size() && lines[next].passStart.date().month() == month.month())
            ++next;
        const QString problem = LearningRecordWriter(folder).append(lines.mid(first, next - first));
        if (!problem.isEmpty())
            state.SkipWithError(qPrintable(problem));
    }
    const LearningRecordReader::Result read = LearningRecordReader(folder).readAll();
    if (read.lines.size() != lines.size())
        state.SkipWithError(qPrintable(read.problems.join(u' ')));
    state.counters["lines"] = double(read.lines.size());
    qsizetype asked = 0;
    for (auto _ : state) {
        asked = WeakPass::prepare(folder, 3, today).items.size();
        benchmark::DoNotOptimize(asked);
    }
    if (asked != WeakPass::kMaxItems)
        state.SkipWithError("the pass does not hold 20 items");
}
BENCHMARK(BM_WeakPassFromRecordFiles)->Unit(benchmark::kMillisecond);
