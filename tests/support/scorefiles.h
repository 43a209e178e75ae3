#pragma once
// Score files as the tests write and expect them: one record a line for each of the 60
// chapters, CR LF.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <utility>

// 60 records: the record of chapter n at n - 1 for the chapters given, the others empty.
QStringList scoreRecords(std::initializer_list<std::pair<int, QString>> chapters = {});
// The bytes of a score file that holds the records (ASCII digits), one a line.
QByteArray scoreFileBytes(const QStringList &records);
// 60 empty lines: a score file as the course ships it and as a reset leaves it.
QByteArray emptyScoreFile();
