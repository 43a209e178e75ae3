#include "testcourse.h"

#include "files/cp932.h"
#include "files/textreader.h"

#include <QDir>
#include <QFile>
#include <QTest>

TestCourse::TestCourse()
{
    QDir(dir_.path()).mkpath(QStringLiteral("E1/T"));
}

QString TestCourse::root() const { return QDir(dir_.path()).filePath(QStringLiteral("E1")); }
QString TestCourse::workingDir() const { return dir_.path(); }

void TestCourse::writeBytes(const QString &name, const QByteArray &bytes)
{
    const QString path = QDir(root()).filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(path));
}

void TestCourse::writeLines(const QString &name, const QStringList &lines)
{
    const cp932::EncodeResult encoded = cp932::encode(joinLinesCrLf(lines));
    if (!encoded.ok())
        qFatal("test text not encodable");
    writeBytes(name, encoded.bytes);
}

QByteArray TestCourse::bytes(const QString &name) const
{
    QFile file(QDir(root()).filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool TestCourse::exists(const QString &name) const
{
    return QFileInfo::exists(QDir(root()).filePath(name));
}

QList<TestQuestion> TestCourse::numbered(int chapter, int n)
{
    QList<TestQuestion> items;
    for (int i = 1; i <= n; ++i) {
        items.append({QStringLiteral("e%1-%2").arg(chapter).arg(i), QStringLiteral("日%1-%2").arg(chapter).arg(i),
                      QStringLiteral("note%1-%2").arg(chapter).arg(i)});
    }
    return items;
}

void TestCourse::writeChapter(int chapter, const QList<TestQuestion> &items, bool marker)
{
    QStringList lines;
    for (const TestQuestion &q : items)
        lines << q.eng << q.jpn << q.third;
    if (marker)
        lines << QStringLiteral("*") << QString() << QString();
    writeLines(QStringLiteral("T/LEVEL.%1").arg(chapter), lines);
}

void TestCourse::writeScores(const QString &file, const QStringList &records)
{
    QStringList lines = records;
    while (lines.size() < 60)
        lines.append(QString());
    writeLines(file, lines);
}

QString TestCourse::standardName(int chapter)
{
    return QStringLiteral("第%1章の名前").arg(chapter);
}

void TestCourse::writeStandard()
{
    writeLines(QStringLiteral("DAIMOKU"), {QStringLiteral("テスト教材")});
    QStringList names, titles;
    for (int n = 1; n <= 60; ++n) {
        names << standardName(n);
        titles << QStringLiteral("題%1").arg(n);
    }
    writeLines(QStringLiteral("LVNAME"), names);
    writeLines(QStringLiteral("E1.DAT"), titles);
    for (const char *prefix : {"tenj", "tenr"}) {
        for (int kind = 1; kind <= 3; ++kind)
            writeScores(QStringLiteral("%1%2.dat").arg(QLatin1String(prefix)).arg(kind, 2, 10, QLatin1Char('0')), {});
    }
    writeChapter(1, numbered(1, 10));
    writeChapter(2, numbered(2, 3));
    writeChapter(3, numbered(3, 1));
}
