#include "rules/review/reviewboxes.h"

#include <algorithm>

int ReviewBoxes::daysUntilDue(int box)
{
    return 1 << (std::clamp(box, 1, kBoxes) - 1);
}

ReviewBoxes ReviewBoxes::of(const QList<AnswerLine> &lines)
{
    ReviewBoxes boxes;
    for (const AnswerLine &line : lines)
        boxes.answer(line);
    return boxes;
}

namespace {
// The day of an answer: its pass's start and its seconds (a pass may cross midnight).
QDate answerDay(const AnswerLine &line)
{
    const int secondOfDay = line.passStart.time().msecsSinceStartOfDay() / 1000;
    return line.passStart.date().addDays((secondOfDay + line.second) / 86400);
}
} // namespace

void ReviewBoxes::answer(const AnswerLine &line)
{
    if (line.kind < 1 || line.kind > kKinds)
        return;
    auto &kind = kinds_[size_t(line.kind - 1)];
    const bool missed = !line.right || line.hint;
    const Key key{line.chapter, line.english};
    auto it = kind.find(key);
    if (it == kind.end()) {
        if (!missed)
            return; // never missed: in no box
        it = kind.insert(key, ReviewItem{line.kind, line.chapter, line.english, line.item, 1, {}});
    }
    ReviewItem &item = it.value();
    item.item = line.item;
    item.box = missed ? 1 : std::min(item.box + 1, kBoxes);
    item.due = answerDay(line).addDays(daysUntilDue(item.box));
}

void ReviewBoxes::keepOnly(const CourseLookup &course)
{
    for (auto &kind : kinds_) {
        for (auto it = kind.begin(); it != kind.end();) {
            const int now = course(it->chapter, it->english, it->item);
            if (now <= 0) {
                it = kind.erase(it);
            } else {
                it->item = now;
                ++it;
            }
        }
    }
}

QList<ReviewItem> ReviewBoxes::items(int kind) const
{
    if (kind < 1 || kind > kKinds)
        return {};
    return kinds_[size_t(kind - 1)].values();
}

QList<ReviewItem> ReviewBoxes::dueOn(int kind, QDate day) const
{
    QList<ReviewItem> due;
    if (kind < 1 || kind > kKinds)
        return due;
    for (const ReviewItem &item : kinds_[size_t(kind - 1)]) {
        if (item.due <= day)
            due << item;
    }
    std::sort(due.begin(), due.end(), [](const ReviewItem &a, const ReviewItem &b) {
        return std::tie(a.box, a.due, a.chapter, a.item) < std::tie(b.box, b.due, b.chapter, b.item);
    });
    return due;
}

std::optional<QDate> ReviewBoxes::nextDueAfter(int kind, QDate day) const
{
    std::optional<QDate> next;
    for (const ReviewItem &item : items(kind)) {
        if (item.due > day && (!next || item.due < *next))
            next = item.due;
    }
    return next;
}

ReviewBoxes::BoxCounts ReviewBoxes::countPerBox(int kind) const
{
    BoxCounts counts{};
    for (const ReviewItem &item : items(kind))
        ++counts[size_t(item.box - 1)];
    return counts;
}
