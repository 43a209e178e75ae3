#pragma once
// What the print system (CUPS) says of a print queue. Qt hands a finished document to CUPS
// without looking at the answer, so a queue that refuses it would pass for printed: the
// print layer asks here whether the queue takes jobs, and whether the job was made.
#include <QString>
#include <optional>

namespace cupsqueue {
// Whether the queue (a name as Qt gives it, "name" or "name/instance") exists and accepts jobs.
bool acceptsJobs(const QString &queue);
// The number of this user's newest job on the queue, 0 when there is none; nothing when
// the print system cannot be asked.
std::optional<int> newestJob(const QString &queue);
} // namespace cupsqueue
