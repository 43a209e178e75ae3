#pragma once
// The answers of the pass being taken, with the time each was given, until the pass's end
// (or the learner's leaving) turns them into lines of the learning record.
#include "files/learningrecord.h"

#include <QDateTime>
#include <QList>
#include <functional>
#include <optional>

class PassLog {
public:
    // The clock the record's times come from: local time, whole seconds. Replaceable, so
    // that a test can fix the time.
    using Clock = std::function<QDateTime()>;
    static void setClock(Clock clock);
    static QDateTime now();

    PassLog() { restart(); }

    // A new pass begins now; answers not taken are dropped.
    void restart();
    // One judged answer: the item's number in the chapter file and its English.
    void note(int item, const QString &english, bool right, bool hint);
    bool isEmpty() const { return answers_.isEmpty(); }

    // What the record needs to know of the pass besides its answers.
    struct Pass {
        int kind = 1, order = 0, chapter = 1, passNo = 1;
        std::optional<int> score; // none for a pass left unfinished
    };
    // The record lines of the answers so far; the log is empty afterwards and the next
    // pass begins now.
    QList<AnswerLine> take(const Pass &pass);

private:
    struct Answer {
        int item;
        QString english;
        bool right, hint;
        int second;
    };
    QDateTime start_;
    QList<Answer> answers_;
};
