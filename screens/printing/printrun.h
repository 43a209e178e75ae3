#pragma once
// Sending pages to the default printer. When there is none, or the job fails, the learner
// is told so and may save the same pages as a PDF file instead; a print that did not come
// out is never taken for done. This is the forms' side of printing: the print layer reports
// how a job ended (PrintJob::failed and problem), and this run tells the learner.
#include <QString>
#include <chrono>
#include <functional>

struct AppContext;
class PrintJob;
class QWidget;

enum class PrintOutcome { Printed, SavedAsPdf, NotPrinted };

// pages writes the whole document into the job it is given (it may be run a second time,
// for the PDF file); documentName is what the print queue shows and the suggested file name.
PrintOutcome printPages(AppContext &ctx, QWidget *parent, const QString &documentName,
                        const std::function<void(PrintJob &)> &pages);

// How long the window waits for the print system at the most (10 s); tests shorten it.
void setPrintSystemLimit(std::chrono::milliseconds limit);
