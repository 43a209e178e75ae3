#pragma once
// The print system (CUPS), asked directly: which printer is the default one, whether it takes
// jobs, where its printable area lies on A4, and handing it a finished PDF file. The CUPS
// library is loaded on the first call, never at start, and every call waits at most a few
// seconds for the server: a server that takes the connection and then says nothing ends
// the call as not answering. The calls block while they wait: make them off the window's thread.
#include <QMarginsF>
#include <QString>

namespace cupsqueue {
// How long one exchange with the print server may stay silent before it is given up.
constexpr int kSilenceLimitMs = 4000;

enum class Reach {
    Answered,     // the server answered (what it said is in the result)
    NoLibrary,    // the CUPS library is not installed
    NoServer,     // nothing takes the connection: the print server is not running
    NotAnswering, // the server took the connection and did not answer in time
};

struct Printer {
    Reach reach = Reach::Answered;
    QString name;             // empty when the server knows no default printer
    bool acceptsJobs = false;
    QMarginsF a4Margins;      // the printable area on A4, in points from each edge
};

// The default printer as this user's settings and the server name it.
Printer defaultPrinter();

struct Sent {
    Reach reach = Reach::Answered;
    int job = 0;         // the job's number on the queue; 0 when the server did not take it
};

// Hands the PDF file at path to the queue as one job titled title, in copies copies of A4.
Sent sendPdf(const QString &queue, const QString &path, const QString &title, int copies);
} // namespace cupsqueue
