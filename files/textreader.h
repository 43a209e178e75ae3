#pragma once
// The two ways the program reads its text files: the whole-line read and the
// comma-delimited field read. Lines may end in CR LF, CR or LF alone.
#include <QString>
#include <QStringList>

class TextReader {
public:
    explicit TextReader(QString text) : text_(std::move(text)) {}

    bool atEnd() const { return pos_ >= text_.size(); }
    // True once a read was asked for past the end of the text (the file was short).
    bool ranShort() const { return ranShort_; }

    // One whole line, blanks, commas and quotes included; empty past the end.
    QString readLine();

    // One field: leading blanks are skipped; a field that begins with a double quote runs
    // to the closing quote (quotes dropped, the rest up to the delimiter ignored); any other
    // field runs to the next comma or line end, trailing blanks dropped. Empty past the end.
    QString readField();

    // n field reads in a row (a file of records that must hold n values).
    QStringList readFields(int n);

private:
    bool atLineEnd() const;
    void skipLineEnd();

    QString text_;
    qsizetype pos_ = 0;
    bool ranShort_ = false;
};

// Writes lines as the program always writes them: each one followed by CR LF.
QString joinLinesCrLf(const QStringList &lines);
