#pragma once
// The course title "DAIMOKU", the chapter names "LVNAME" and the chapter titles "E1.DAT".
#include <QString>
#include <QStringList>

class DataFolder;

inline const QString kCourseTitleFile = QStringLiteral("DAIMOKU");
inline const QString kChapterNamesFile = QStringLiteral("LVNAME");
inline const QString kChapterTitlesFile = QStringLiteral("E1.DAT");

// The first field of the first line of "DAIMOKU" (empty when missing; problem set).
QString readCourseTitle(const DataFolder &folder, QString *problem = nullptr);

// Line reads from the first line to the end of the file, at most 60; a short file gives
// fewer lines (the caller keeps its old values for the rest). Used for names and titles.
QStringList readChapterLines(const DataFolder &folder, const QString &name, QString *problem = nullptr);

// Exactly 60 field reads, as the editor reads the names and titles files; missing values are empty.
QStringList readChapterFields(const DataFolder &folder, const QString &name, QString *problem = nullptr);
