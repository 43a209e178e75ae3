#pragma once
// One print job: the printer operations every printed page is made of. Positions are in
// twips (1/1440 inch) from the top-left corner of the printable area, x to the right and
// y downwards; font sizes are in points. Once an operation fails, the job is failed and
// the operations after it do nothing.
#include <QString>

struct PrintFont {
    QString name;
    qreal size = 12;
    bool bold = false;
    bool italic = false;
    bool operator==(const PrintFont &) const = default;
};

enum class PaperSize { A4 };

class PrintJob {
public:
    virtual ~PrintJob() = default;

    void setFont(const PrintFont &font);
    void setPosition(double x, double y);
    // Draws the text with its top-left at the current position. Staying on the line moves
    // the position to just after the text; otherwise to the left margin of the next line.
    void write(const QString &text, bool stayOnLine = false);
    // The same, with the text narrowed to width twips when it is wider, so that it ends
    // before whatever stands to its right (to half its width at the most; the rest of a
    // text still wider is cut).
    void writeWithin(const QString &text, double width, bool stayOnLine = false);
    // As writeWithin, but never cut: a text however wide is narrowed until it fits.
    void writeNarrowed(const QString &text, double width, bool stayOnLine = false);
    // The longest beginning of text that is at most width twips wide in the current font.
    QString cutToWidth(const QString &text, double width) const;
    void setPaperSize(PaperSize size);
    void setCopies(int copies);
    void newPage();
    // Ends the job: its pages are complete (a PDF file is written).
    void endDocument();
    // Hands the ended job to where it goes and tells whether it went. A job for a print
    // queue waits here on the print server: call it off the window's thread, with nothing
    // else touching the job meanwhile. Other jobs are done when they end.
    bool handOver();

    const PrintFont &font() const { return font_; }
    double currentX() const { return x_; }
    double currentY() const { return y_; }
    bool ended() const { return ended_; }
    bool failed() const { return !problem_.isEmpty(); }
    // Why the job failed, in Japanese; empty while all went well.
    const QString &problem() const { return problem_; }

protected:
    // What an implementation does for each operation; false (with fail()) when it could not.
    virtual void applyFont(const PrintFont &) {}
    // narrowing: the factor (at most 1) the text's width is scaled by.
    virtual bool drawText(const QString &text, double x, double y, bool stayOnLine, double narrowing) = 0;
    virtual double textWidth(const QString &text) const = 0; // twips, in the current font
    virtual double lineHeight() const = 0;                   // twips, in the current font
    virtual bool applyPaperSize(PaperSize size) = 0;
    virtual bool applyCopies(int copies) = 0;
    virtual bool startPage() = 0;
    virtual bool finish() = 0;
    virtual bool deliver() { return true; }

    void fail(const QString &problem);
    bool usable() const { return !ended_ && problem_.isEmpty(); }

private:
    void put(const QString &text, bool stayOnLine, double narrowing);

    PrintFont font_;
    double x_ = 0;
    double y_ = 0;
    bool ended_ = false;
    QString problem_;
};
