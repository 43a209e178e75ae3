#include "screens/tests/answerbox.h"

AnswerBox::AnswerBox(QWidget *parent) : QLineEdit(parent)
{
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setInputMethodHints(Qt::ImhLatinOnly | Qt::ImhPreferLatin | Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase);
}

QVariant AnswerBox::inputMethodQuery(Qt::InputMethodQuery query) const
{
    return inputMethodQuery(query, QVariant());
}

QVariant AnswerBox::inputMethodQuery(Qt::InputMethodQuery query, QVariant argument) const
{
    // A line edit answers "enabled" by itself, whatever the widget attribute says.
    if (query == Qt::ImEnabled)
        return false;
    return QLineEdit::inputMethodQuery(query, argument);
}
