#pragma once
// Runs work where files run out of room: in a child process whose files may not grow past
// a few bytes, which holds for root too (a full disk cannot be had without mounting one).
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <sys/resource.h>

struct ChildResult {
    bool finished = false; // exited normally, within the time allowed
    QByteArray how;        // how it ended, when it did not finish
    QString said;          // what the child reported, one text a line
};

// Runs work in a child whose files may not grow past limit bytes (writes beyond it fail
// with EFBIG instead of killing it); the child reports the texts work returns.
ChildResult withFileSizeLimit(rlim_t limit, const std::function<QStringList()> &work);
