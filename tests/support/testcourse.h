#pragma once
// A temporary data folder "E1" for one test, with helpers to write its files exactly.
#include "files/datafolder.h"

#include <QStringList>
#include <QTemporaryDir>

struct TestQuestion {
    QString eng, jpn, third;
};

class TestCourse {
public:
    TestCourse();                 // an empty E1 folder (with T/)
    QString root() const;         // the E1 folder
    QString workingDir() const;   // the folder that holds E1
    DataFolder folder() const { return DataFolder(root()); }

    void writeBytes(const QString &name, const QByteArray &bytes);
    void writeLines(const QString &name, const QStringList &lines); // code page 932, CR LF
    QByteArray bytes(const QString &name) const;                    // empty when missing
    bool exists(const QString &name) const;

    // A complete small course: title, 60 names and titles, six empty score files, and
    // chapters 1 to 3 with 10, 3 and 1 questions (eng "eN-i", jpn "日N-i", third "noteN-i").
    void writeStandard();
    void writeChapter(int chapter, const QList<TestQuestion> &items, bool marker = true);
    // n questions "eC-i" / "日C-i" / "noteC-i" for chapter C.
    static QList<TestQuestion> numbered(int chapter, int n);
    static QString standardName(int chapter); // the name of the chapter in the standard LVNAME
    void writeScores(const QString &file, const QStringList &records); // padded to 60 lines

private:
    QTemporaryDir dir_;
};
