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

// The course title as the screens show it, adding to problems what the learner is to be
// told about its file: missing or unreadable (the title stays empty), or not code page 932.
QString readShownCourseTitle(const DataFolder &folder, QStringList &problems);

// Line reads from the first line to the end of the file, at most 60; a short file gives
// fewer lines (the caller keeps its old values for the rest). Used for names and titles.
// linesPast60 tells whether the file goes on after its 60th line.
QStringList readChapterLines(const DataFolder &folder, const QString &name, QString *problem = nullptr,
                             bool *linesPast60 = nullptr);

// Exactly 60 field reads, as the editor reads the names and titles files; missing values are empty.
QStringList readChapterFields(const DataFolder &folder, const QString &name, QString *problem = nullptr);
