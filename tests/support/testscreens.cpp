#include "testscreens.h"

#include "screens/kit/uikit.h"

#include <QLineEdit>
#include <QTest>

namespace {
void setUpTest(TestApp &app, int kind, int chapter, int randomMode)
{
    app.ctx.state.TestKind = kind;
    app.ctx.state.chosenChapter = chapter;
    app.ctx.state.RandomMode = randomMode;
}
} // namespace

ChoiceTestScreen *openChoiceTest(TestApp &app, int kind, int chapter, int randomMode)
{
    setUpTest(app, kind, chapter, randomMode);
    app.start(ScreenId::ChoiceTest);
    auto *form = app.currentAs<ChoiceTestScreen>();
    Q_ASSERT(form);
    return form;
}

WordTestScreen *openWordTest(TestApp &app, int chapter, int randomMode)
{
    setUpTest(app, 3, chapter, randomMode);
    app.start(ScreenId::WordTest);
    auto *form = app.currentAs<WordTestScreen>();
    Q_ASSERT(form);
    return form;
}

QStringList answers(const ChoiceTestScreen *f)
{
    QStringList texts;
    for (int i = 1; i <= 5; ++i)
        texts << f->answerLabels[i]->text();
    return texts;
}

void pad(QWidget *w, int digit) { QTest::keyClick(w, Qt::Key(Qt::Key_0 + digit), Qt::KeypadModifier); }
void enter(QWidget *w) { QTest::keyClick(w, Qt::Key_Return); }
void space(QWidget *w) { QTest::keyClick(w, Qt::Key_Space); }

bool answerWith(ChoiceTestScreen *f, const QString &text)
{
    const int i = int(answers(f).indexOf(text)) + 1;
    if (i == 0)
        return false;
    pad(f, i);
    enter(f);
    return true;
}

bool answerWrong(ChoiceTestScreen *f, const QString &right)
{
    const QStringList shown = answers(f);
    for (int i = 1; i <= 5; ++i) {
        if (shown[i - 1] != right) {
            pad(f, i);
            enter(f);
            return true;
        }
    }
    return false;
}

void answer(WordTestScreen *f, const QString &text)
{
    QTest::keyClicks(f->answerBox, text);
    QTest::keyClick(f->answerBox, Qt::Key_Return);
}

QString passShown(const TestScreen *f) { return f->passNumber->text(); }
QString scoreShown(const TestScreen *f) { return f->scoreNumber->text(); }
QString itemCountShown(const TestScreen *f) { return f->totalNumber->text(); }
QString rightAnswersShown(const TestScreen *f) { return f->rightNumber->text(); }
QString wrongAnswersShown(const TestScreen *f) { return f->wrongNumber->text(); }
QString resultShown(const TestScreen *f) { return f->resultLabel->text(); }
