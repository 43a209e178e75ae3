#pragma once
// A learning record as a learner leaves it: whole passes through the chapters of a course,
// day after day, with a seeded mix of right, hinted and wrong answers.
#include "files/learningrecord.h"

#include <QDate>

class DataFolder;

// Days of study ending with lastDay, about answersPerDay answers each; every restEvery-th
// day (0: none) is left out. Items come from the course's chapter files.
QList<AnswerLine> sampleRecord(const DataFolder &course, QDate lastDay, int days, int answersPerDay, int restEvery,
                               unsigned seed = 7);
