#pragma once
// Stand-ins for the outside world: dialogs answered from a script, random numbers from a list.
#include "rules/random.h"
#include "screens/kit/dialogs.h"
#include "screens/kit/speech.h"

#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

class ScriptedDialogs final : public Dialogs {
public:
    struct Call {
        QString kind; // "confirm", "askText", "inform", "choose", "askSavePath", "askUnsaved"
        QString text;
        QString title;
        QString defaultText;
    };
    QList<Call> calls;

    // Answers, taken in order; when a queue is empty: confirm/choose answer true, askText
    // answers the default text, askSavePath cancels.
    QList<bool> confirmAnswers;
    QList<std::optional<QString>> textAnswers;
    QList<std::optional<QString>> pathAnswers;
    QList<Unsaved> unsavedAnswers; // when empty: Save, the default button
    // Runs while an input box is open: what another copy of the program does meanwhile.
    std::function<void()> whileAsking;

    bool confirm(QWidget *, const QString &text, const QString &title) override;
    std::optional<QString> askText(QWidget *, const QString &prompt, const QString &title,
                                   const QString &defaultText) override;
    void inform(QWidget *, const QString &text, const QString &title) override;
    bool choose(QWidget *, const QString &text, const QString &title, const QString &first,
                const QString &second) override;
    std::optional<QString> askSavePath(QWidget *, const QString &title, const QString &suggested) override;
    Unsaved askUnsaved(QWidget *, const QString &text, const QString &title) override;
    // Kept apart from calls: a wait is no question or notice the learner answers.
    QStringList waitingShown;
    std::unique_ptr<QObject> showWaiting(QWidget *, const QString &text, const QString &title) override;

    int count(const QString &kind) const;
};

// Yields the given values in turn, over and over.
class SequenceRandom final : public RandomSource {
public:
    explicit SequenceRandom(QList<double> values = {0.0}) : values_(std::move(values)) {}
    void seedFromClock() override { ++seeds; }
    double next() override;
    int seeds = 0;
    void setValues(QList<double> values) { values_ = std::move(values); pos_ = 0; }
private:
    QList<double> values_;
    qsizetype pos_ = 0;
};

// Records what would have been spoken.
class RecordingSpeech final : public Speech {
public:
    bool isAvailable = true;
    QStringList spoken;
    bool available() const override { return isAvailable; }
    QString unavailableReason() const override { return isAvailable ? QString() : QStringLiteral("espeak-ng がありません"); }
    QStringList prepared;
    void speak(const QString &english) override { if (isAvailable) spoken.append(english); }
    void prepare(const QString &english) override { prepared.append(english); }
};
