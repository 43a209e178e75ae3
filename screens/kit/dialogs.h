#pragma once
// Modal message boxes and input boxes, behind one small interface so that tests can answer them.
#include <QString>
#include <memory>
#include <optional>

class QObject;
class QWidget;

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A confirmation with OK and Cancel; true for OK.
    virtual bool confirm(QWidget *parent, const QString &text, const QString &title) = 0;
    // An input box; nothing when cancelled.
    virtual std::optional<QString> askText(QWidget *parent, const QString &prompt, const QString &title,
                                           const QString &defaultText) = 0;
    // A notice with OK only (something went wrong, or something the learner should know).
    virtual void inform(QWidget *parent, const QString &text, const QString &title) = 0;
    // A choice between two actions; true for the first.
    virtual bool choose(QWidget *parent, const QString &text, const QString &title, const QString &first,
                        const QString &second) = 0;
    // A file name to save a PDF to; nothing when cancelled.
    virtual std::optional<QString> askSavePath(QWidget *parent, const QString &title, const QString &suggested) = 0;
    // Unsaved changes as a window closes: save them, throw them away, or stay (cancel).
    enum class Unsaved { Save, Discard, Cancel };
    virtual Unsaved askUnsaved(QWidget *parent, const QString &text, const QString &title) = 0;
    // A notice without buttons, shown while the program waits on something outside it (the
    // print server); the learner can do nothing else meanwhile. It goes when the returned
    // object is destroyed.
    virtual std::unique_ptr<QObject> showWaiting(QWidget *parent, const QString &text, const QString &title) = 0;
};

class QtDialogs final : public Dialogs {
public:
    bool confirm(QWidget *parent, const QString &text, const QString &title) override;
    std::optional<QString> askText(QWidget *parent, const QString &prompt, const QString &title,
                                   const QString &defaultText) override;
    void inform(QWidget *parent, const QString &text, const QString &title) override;
    bool choose(QWidget *parent, const QString &text, const QString &title, const QString &first,
                const QString &second) override;
    std::optional<QString> askSavePath(QWidget *parent, const QString &title, const QString &suggested) override;
    Unsaved askUnsaved(QWidget *parent, const QString &text, const QString &title) override;
    std::unique_ptr<QObject> showWaiting(QWidget *parent, const QString &text, const QString &title) override;
};
