#pragma once
// Looking into a PDF file a test wrote: its pages and, through poppler's tools, its text.
#include <QByteArray>
#include <QString>
#include <optional>

// The number of page objects ("/Type /Page", not "/Pages") in the file; -1 when unreadable.
int pdfPageCount(const QString &path);

// The text of the file by pdftotext (with -bbox: word boxes in points as XHTML);
// nothing when pdftotext is not installed or fails.
std::optional<QString> pdfText(const QString &path, bool boxes = false);
