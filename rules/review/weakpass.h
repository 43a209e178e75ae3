#pragma once
// A 苦手な問題 pass: the items of one test kind due today, across all chapters, at most 20,
// the lowest boxes and the longest overdue first, asked by the kind's own test screen. The
// pass stores no chapter score; its answers go into the learning record under each item's
// own chapter and number, with the order kWeakOrder, and move the items' boxes.
#include "files/questionbank.h"
#include "rules/review/reviewboxes.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class DataFolder;
class TestRun;

// The chapters of the course in a data folder, each read once, when first asked for.
class CourseChapters {
public:
    explicit CourseChapters(const DataFolder &folder) : folder_(folder) {}
    explicit CourseChapters(DataFolder &&) = delete; // keeps the folder by reference
    const ChapterQuestions &operator()(int chapter);

private:
    const DataFolder &folder_;
    QHash<int, ChapterQuestions> read_;
};

// The boxes of every kind from the record of the data folder, without the items the course
// no longer holds as they were (removed, or their English changed).
struct RecordBoxes {
    ReviewBoxes boxes;
    QStringList problems; // Japanese, one per record file that could not be read
};
RecordBoxes readRecordBoxes(const DataFolder &folder);
// The same from record lines already read.
ReviewBoxes courseBoxes(const QList<AnswerLine> &lines, CourseChapters &course);
// How many items of a kind stand in each box, as the record screen shows it.
QString boxCountsText(const ReviewBoxes::BoxCounts &counts);

class WeakPass {
public:
    static constexpr int kMaxItems = 20;

    struct Item {
        int chapter = 1;
        int item = 1; // its number in the chapter file
        Question question;
        int box = 1;
        QDate due;
        // The first four other items of its chapter: the wrong answers the five-answer test
        // offers, as the chapter's own test in file order would.
        QList<Question> neighbours;
    };

    // The pass of the kind for the day, from the record and the course in the folder.
    static WeakPass prepare(const DataFolder &folder, int kind, QDate today);
    // The same from boxes already worked out; `course` reads a chapter's questions.
    static WeakPass prepare(const ReviewBoxes &boxes, int kind, QDate today,
                            const std::function<ChapterQuestions(int chapter)> &course);

    int kind = 1;
    QDate today;
    QList<Item> items;            // the items asked, in asking order
    int dueCount = 0;             // all items due today (more than are asked when above 20)
    std::optional<QDate> nextDue; // the next day something falls due, when nothing is today
    QStringList problems;         // record files that could not be read

    bool isEmpty() const { return items.isEmpty(); }
    // The chapter line of the test screen: "苦手な問題" and how many are due.
    QString chapterLine() const;
    // What the learner is told when nothing is due today, and when the next item is.
    QString nothingDueText() const;

    // The wrong answers of the five-answer test of the kind for the item at `place` (1-based).
    QStringList otherAnswers(int place) const;

    // The items into the run in asking order; Q_No(k) is k, the item's place in this pass.
    void fill(TestRun &run) const;
    // Record lines of the pass as the test logged them (the place in this pass as the item's
    // number) with each item's own chapter and number, and the order kWeakOrder.
    QList<AnswerLine> recordLines(QList<AnswerLine> logged) const;
};
