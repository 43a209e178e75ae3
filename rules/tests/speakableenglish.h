#pragma once
// Which English the "音声" button (and its key) of a test may say, so that hearing it never
// gives away the answer to the item being asked. An empty text: nothing may be said now.
#include <QString>

class ChoiceTest;
class WordTest;

class SpeakableEnglish {
public:
    // Five-answer test. Kind 1 shows the English and asks for the Japanese: the English asked
    // may be heard, and while a review is shown or after the end of the pass, the item judged
    // last. Kind 2 asks for the English: only the item judged last (in its review, or once it
    // was answered right), never before the first judgement.
    static QString choiceTest(const ChoiceTest &test);
    // What Enter says once it has judged in the five-answer test: the item just judged.
    static QString choiceTestJudged(const ChoiceTest &test);
    // Word test: only the item judged last (the right answer of its review, or the one just
    // typed right); never before the first judgement of the pass.
    static QString wordTest(const WordTest &test);

    // Two English lines a voice says alike: the same letters and digits, whatever the case,
    // the blanks and the punctuation ("Apple." and "apple").
    static bool soundAlike(const QString &a, const QString &b);

private:
    // The item judged last, unless it would say the English asked now.
    static QString judgedUnlessAsked(const QString &judged, const QString &asked);
};
