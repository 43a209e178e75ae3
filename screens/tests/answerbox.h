#pragma once
// The word test's answer box. Every answer is typed in ASCII, so the box never hands its keys
// to an input method: a Japanese input method left in kana mode would turn the keys a p p l e
// into "あっｐぇ". The box tells the platform that it takes no input method and asks for Latin
// letters without prediction or automatic capitals; pasting works as in any line edit.
#include <QLineEdit>

class AnswerBox : public QLineEdit {
    Q_OBJECT
public:
    explicit AnswerBox(QWidget *parent = nullptr);
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    Q_INVOKABLE QVariant inputMethodQuery(Qt::InputMethodQuery query, QVariant argument) const;
};
