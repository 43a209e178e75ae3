#include "print/cupsqueue.h"

#include <QByteArray>

#include <cups/cups.h>

namespace cupsqueue {
namespace {
QByteArray queueName(const QString &queue) { return queue.section(u'/', 0, 0).toUtf8(); }
} // namespace

bool acceptsJobs(const QString &queue)
{
    const QByteArray name = queueName(queue);
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (!dest)
        return false;
    const char *accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    // A printer found on the network rather than set up as a queue may not say: only a
    // queue that says it refuses jobs counts as refusing.
    const bool accepts = !accepting || qstrcmp(accepting, "false") != 0;
    cupsFreeDests(1, dest);
    return accepts;
}

std::optional<int> newestJob(const QString &queue)
{
    const QByteArray name = queueName(queue);
    cups_job_t *jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, name.constData(), 1, CUPS_WHICHJOBS_ALL);
    if (count < 0)
        return std::nullopt;
    int newest = 0;
    for (int i = 0; i < count; ++i)
        newest = std::max(newest, jobs[i].id);
    cupsFreeJobs(count, jobs);
    return newest;
}
} // namespace cupsqueue
