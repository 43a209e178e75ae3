#pragma once
// Opening the two test screens and answering in them as a learner does.
#include "screens/tests/choicetestscreen.h"
#include "screens/tests/wordtestscreen.h"
#include "testapp.h"

#include <QStringList>

// The test of the kind (1 or 2) on the chapter, in file order (randomMode 0) or random order.
ChoiceTestScreen *openChoiceTest(TestApp &app, int kind, int chapter, int randomMode = 0);
WordTestScreen *openWordTest(TestApp &app, int chapter, int randomMode = 0);

// The five answers shown, answerLabels[1] to answerLabels[5].
QStringList answers(const ChoiceTestScreen *f);
// Answers the item shown with the answer text given, by keypad digit and Enter; false when
// no answer shows that text.
bool answerWith(ChoiceTestScreen *f, const QString &text);
// Answers with the first answer that is not the right one.
bool answerWrong(ChoiceTestScreen *f, const QString &right);
void pad(QWidget *w, int digit); // a digit of the numeric keypad
void enter(QWidget *w);
void space(QWidget *w);

// Types the text into the answer box and presses Enter there.
void answer(WordTestScreen *f, const QString &text);

// What the counter area and the result message of a test screen show.
QString passShown(const TestScreen *f);         // the pass number (passNumber)
QString scoreShown(const TestScreen *f);        // the score (scoreNumber)
QString itemCountShown(const TestScreen *f);    // 全問題数 (totalNumber)
QString rightAnswersShown(const TestScreen *f); // 正解数 (rightNumber)
QString wrongAnswersShown(const TestScreen *f); // 不正解数 (wrongNumber)
QString resultShown(const TestScreen *f);       // the result message (resultLabel)
