#include "rules/record/passlog.h"

namespace {
PassLog::Clock &recordClock()
{
    static PassLog::Clock current;
    return current;
}
} // namespace

void PassLog::setClock(Clock c)
{
    recordClock() = std::move(c);
}

QDateTime PassLog::now()
{
    QDateTime t = recordClock() ? recordClock()() : QDateTime::currentDateTime();
    const QTime time = t.time();
    t.setTime(QTime(time.hour(), time.minute(), time.second()));
    return t;
}

void PassLog::restart()
{
    start_ = now();
    answers_.clear();
}

void PassLog::note(int item, const QString &english, bool right, bool hint)
{
    answers_.append({item, english, right, hint, int(std::max<qint64>(0, start_.secsTo(now())))});
}

QList<AnswerLine> PassLog::take(const Pass &pass)
{
    const int seconds = int(std::max<qint64>(0, start_.secsTo(now())));
    QList<AnswerLine> lines;
    lines.reserve(answers_.size());
    for (const Answer &a : answers_) {
        AnswerLine line;
        line.passStart = ClockTime(start_);
        line.kind = pass.kind;
        line.order = pass.order;
        line.chapter = pass.chapter;
        line.passNo = pass.passNo;
        line.item = a.item;
        line.english = a.english;
        line.right = a.right;
        line.hint = a.hint;
        line.second = a.second;
        line.score = pass.score;
        line.passSeconds = seconds;
        lines << line;
    }
    restart();
    return lines;
}
