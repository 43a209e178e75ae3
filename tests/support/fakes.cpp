#include "fakes.h"

#include <QObject>

bool ScriptedDialogs::confirm(QWidget *, const QString &text, const QString &title)
{
    calls.append({QStringLiteral("confirm"), text, title, {}});
    return confirmAnswers.isEmpty() ? true : confirmAnswers.takeFirst();
}

std::optional<QString> ScriptedDialogs::askText(QWidget *, const QString &prompt, const QString &title,
                                                const QString &defaultText)
{
    calls.append({QStringLiteral("askText"), prompt, title, defaultText});
    if (whileAsking)
        whileAsking();
    if (textAnswers.isEmpty())
        return defaultText;
    return textAnswers.takeFirst();
}

std::unique_ptr<QObject> ScriptedDialogs::showWaiting(QWidget *, const QString &text, const QString &)
{
    waitingShown.append(text);
    return std::make_unique<QObject>();
}

void ScriptedDialogs::inform(QWidget *, const QString &text, const QString &title)
{
    calls.append({QStringLiteral("inform"), text, title, {}});
}

bool ScriptedDialogs::choose(QWidget *, const QString &text, const QString &title, const QString &, const QString &)
{
    calls.append({QStringLiteral("choose"), text, title, {}});
    return confirmAnswers.isEmpty() ? true : confirmAnswers.takeFirst();
}

std::optional<QString> ScriptedDialogs::askSavePath(QWidget *, const QString &title, const QString &suggested)
{
    calls.append({QStringLiteral("askSavePath"), title, title, suggested});
    return pathAnswers.isEmpty() ? std::nullopt : pathAnswers.takeFirst();
}

Dialogs::Unsaved ScriptedDialogs::askUnsaved(QWidget *, const QString &text, const QString &title)
{
    calls.append({QStringLiteral("askUnsaved"), text, title, {}});
    return unsavedAnswers.isEmpty() ? Unsaved::Save : unsavedAnswers.takeFirst();
}

int ScriptedDialogs::count(const QString &kind) const
{
    int n = 0;
    for (const Call &c : calls)
        n += c.kind == kind;
    return n;
}

double SequenceRandom::next()
{
    if (values_.isEmpty())
        return 0.0;
    const double v = values_[pos_ % values_.size()];
    ++pos_;
    return v;
}
