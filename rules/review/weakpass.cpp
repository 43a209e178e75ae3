#include "rules/review/weakpass.h"

#include "files/datafolder.h"
#include "rules/tests/testrun.h"

#include <QHash>
#include <QLocale>

const ChapterQuestions &CourseChapters::operator()(int chapter)
{
    auto it = read_.find(chapter);
    if (it == read_.end())
        it = read_.insert(chapter, readChapter(folder_, chapter));
    return *it;
}

RecordBoxes readRecordBoxes(const DataFolder &folder)
{
    const LearningRecordReader::Result record = LearningRecordReader(folder).readAll();
    CourseChapters course(folder);
    return {courseBoxes(record.lines, course), record.problems};
}

ReviewBoxes courseBoxes(const QList<AnswerLine> &lines, CourseChapters &course)
{
    ReviewBoxes boxes = ReviewBoxes::of(lines);
    // Only the chapters with items in a box are read.
    boxes.keepOnly([&](int chapter, const QString &english, int recordedItem) {
        const QList<Question> &items = course(chapter).items;
        if (recordedItem >= 1 && recordedItem <= items.size() && items[recordedItem - 1].eng == english)
            return recordedItem;
        for (qsizetype i = 0; i < items.size(); ++i) {
            if (items[i].eng == english)
                return int(i + 1);
        }
        return 0;
    });
    return boxes;
}

QString boxCountsText(const ReviewBoxes::BoxCounts &counts)
{
    QStringList parts;
    for (int box = 1; box <= ReviewBoxes::kBoxes; ++box)
        parts << QStringLiteral("箱%1 %2問").arg(box).arg(counts[size_t(box - 1)]);
    return QStringLiteral("苦手な問題") + QChar(0x3000) + parts.join(QChar(0x3000));
}

WeakPass WeakPass::prepare(const DataFolder &folder, int kind, QDate today)
{
    const LearningRecordReader::Result record = LearningRecordReader(folder).readAll();
    CourseChapters course(folder); // read once for the boxes and the pass both
    WeakPass pass = prepare(courseBoxes(record.lines, course), kind, today, std::ref(course));
    pass.problems = record.problems;
    return pass;
}

WeakPass WeakPass::prepare(const ReviewBoxes &boxes, int kind, QDate today,
                           const std::function<ChapterQuestions(int chapter)> &course)
{
    WeakPass pass;
    pass.kind = kind;
    pass.today = today;
    const QList<ReviewItem> due = boxes.dueOn(kind, today);
    pass.dueCount = int(due.size());
    QHash<int, ChapterQuestions> chapters;
    for (const ReviewItem &r : due) {
        if (pass.items.size() >= kMaxItems)
            break;
        auto it = chapters.find(r.chapter);
        if (it == chapters.end())
            it = chapters.insert(r.chapter, course(r.chapter));
        if (r.item < 1 || r.item > it->items.size() || it->items[r.item - 1].eng != r.english) {
            --pass.dueCount; // the course changed since the boxes were worked out
            continue;
        }
        Item item{r.chapter, r.item, it->items[r.item - 1], r.box, r.due, {}};
        for (qsizetype i = 0; i < it->items.size() && item.neighbours.size() < 4; ++i) {
            if (i != r.item - 1)
                item.neighbours << it->items[i];
        }
        pass.items << item;
    }
    if (pass.items.isEmpty())
        pass.nextDue = boxes.nextDueAfter(kind, today);
    return pass;
}

QString WeakPass::chapterLine() const
{
    QString line = QStringLiteral("苦手な問題") + QChar(0x3000) + QStringLiteral("今日の分 %1問").arg(dueCount);
    if (dueCount > items.size())
        line += QStringLiteral("（このテストでは %1問）").arg(items.size());
    return line;
}

QString WeakPass::nothingDueText() const
{
    if (!nextDue)
        return QStringLiteral("苦手な問題はまだありません。\n"
                              "テストで間違えた問題が、次の日からここで復習できるようになります。");
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    return QStringLiteral("今日の苦手な問題はありません。\n次は %1 に出題します。")
        .arg(japanese.toString(*nextDue, QStringLiteral("M月d日（ddd）")));
}

QStringList WeakPass::otherAnswers(int place) const
{
    QStringList answers;
    if (place < 1 || place > items.size())
        return answers;
    for (const Question &q : items[place - 1].neighbours)
        answers << (kind == 1 ? q.jpn : q.eng);
    return answers;
}

void WeakPass::fill(TestRun &run) const
{
    run.Q_Total = 0;
    for (const Item &item : items) {
        const size_t k = size_t(++run.Q_Total);
        run.Q_Eng[k] = item.question.eng;
        run.Q_Jpn[k] = item.question.jpn;
        run.Q_Third[k] = item.question.third;
        run.Q_No[k] = int(k);
        run.Q_Mark[k] = 0;
    }
    run.Q_Eng[size_t(run.Q_Total + 1)] = QStringLiteral("*");
}

QList<AnswerLine> WeakPass::recordLines(QList<AnswerLine> logged) const
{
    for (AnswerLine &line : logged) {
        if (line.item >= 1 && line.item <= items.size()) {
            const Item &item = items[line.item - 1];
            line.chapter = item.chapter;
            line.item = item.item;
        }
        line.order = kWeakOrder;
    }
    return logged;
}
