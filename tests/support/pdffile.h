#pragma once
// Looking into a PDF file a test wrote: its pages and, through poppler's tools, its text.
#include <QByteArray>
#include <QList>
#include <QRectF>
#include <QString>
#include <optional>

// The number of page objects ("/Type /Page", not "/Pages") in the file; -1 when unreadable.
int pdfPageCount(const QString &path);

// The text of the file by pdftotext (with -bbox: word boxes in points as XHTML);
// nothing when pdftotext is not installed or fails.
std::optional<QString> pdfText(const QString &path, bool boxes = false);

// A word as pdftotext -bbox finds it: its page (from 1), its box in points and its text.
struct PdfWord {
    int page = 0;
    QRectF box;
    QString text;
};
// The words of every page; nothing when pdftotext is not installed or fails.
std::optional<QList<PdfWord>> pdfWords(const QString &path);
// Every two words of a page whose boxes overlap, one line each ("page 1: «a» … «b» …").
QStringList overlappingWords(const QList<PdfWord> &words);
// How many of the words read exactly `text`.
qsizetype wordCount(const QList<PdfWord> &words, const QString &text);
