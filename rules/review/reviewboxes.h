#pragma once
// Which items of each test kind the learner keeps missing, worked out from the learning
// record: every item that was ever missed stands in a box from 1 to 5 with the day it is due
// again. A miss (or a right answer read off the hint) puts it in box 1, due the next day;
// each right answer moves it up one box, due 2, 4, 8 and 16 days after that answer (box 5
// stays box 5). An item never missed stands in no box.
//
// An item is known by its chapter and its English, as the record names it: its history
// follows it when the editor moves it within its chapter or changes its Japanese, and ends
// when its English changes or the item is removed (keepOnly).
#include "files/learningrecord.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>

#include <array>
#include <functional>
#include <optional>

struct ReviewItem {
    int kind = 1;
    int chapter = 1;
    QString english;
    int item = 0; // its number in the chapter file when it was answered last
    int box = 1;
    QDate due;
    bool operator==(const ReviewItem &) const = default;
};

class ReviewBoxes {
public:
    static constexpr int kBoxes = 5;
    static constexpr int kKinds = 3;
    using BoxCounts = std::array<int, kBoxes>; // element b - 1: the items in box b

    // Days from an answer to the day its item is due again, by the box it is in after it.
    static int daysUntilDue(int box);

    // The boxes after every answer of the lines, taken in the order given (the record's
    // order, which is the order of the answers).
    static ReviewBoxes of(const QList<AnswerLine> &lines);
    // One more answer.
    void answer(const AnswerLine &line);

    // What the course holds now: the number of the item of the chapter whose English this is
    // (the recorded number preferred when several items share it), or 0 when none has it.
    using CourseLookup = std::function<int(int chapter, const QString &english, int recordedItem)>;
    // Items the course no longer holds drop out; the others take their present number.
    void keepOnly(const CourseLookup &course);

    // Every item of the kind in a box, in no particular order.
    QList<ReviewItem> items(int kind) const;
    // The items of the kind due on the day (or before it): the lowest box first, then the
    // longest overdue, then by chapter and number.
    QList<ReviewItem> dueOn(int kind, QDate day) const;
    // The first day after `day` on which an item of the kind falls due; none when no item is.
    std::optional<QDate> nextDueAfter(int kind, QDate day) const;
    // How many items of the kind stand in each box.
    BoxCounts countPerBox(int kind) const;

private:
    struct Key {
        int chapter;
        QString english;
        bool operator==(const Key &) const = default;
    };
    friend size_t qHash(const Key &key, size_t seed) { return qHashMulti(seed, key.chapter, key.english); }

    std::array<QHash<Key, ReviewItem>, kKinds> kinds_;
};
