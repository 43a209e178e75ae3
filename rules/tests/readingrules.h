#pragma once
// How the voice is to read the English it may say (which English that is: SpeakableEnglish).
// Before the text reaches the speech engine, the abbreviations a course uses are written out
// ("Mr." as "Mister") and a heteronym whose reading the sentence's own words decide is
// respelt so that any engine says that reading ("I have read it" as "I have red it"). A word
// the sentence does not decide is left to the engine.
#include <QString>

class ReadingRules {
public:
    // The text to give the engine for an English line of the course.
    static QString forEngine(const QString &english);
    // Only the abbreviations written out: what a listener should hear, word for word.
    static QString withAbbreviationsWrittenOut(const QString &english);
};
