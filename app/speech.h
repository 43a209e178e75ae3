#pragma once
// An offline English voice for the tests' "音声" buttons. The voice runs in a child process
// that the window never waits for: a new utterance stops the previous one, and one that runs
// too long is stopped.
#include <QObject>
#include <QProcess>
#include <QPointer>
#include <QString>


class QTimer;

class Speech {
public:
    virtual ~Speech() = default;
    virtual bool available() const = 0;
    // Why it is not available, and how to get it (for a tooltip); empty when available.
    virtual QString unavailableReason() const = 0;
    virtual void speak(const QString &english) = 0;
};

class EspeakSpeech final : public QObject, public Speech {
    Q_OBJECT
public:
    // The program is looked up on the PATH (or taken as it is when it is a path).
    explicit EspeakSpeech(QObject *parent = nullptr, const QString &program = QStringLiteral("espeak-ng"));
    ~EspeakSpeech() override;

    bool available() const override { return !program_.isEmpty(); }
    QString unavailableReason() const override;
    void speak(const QString &english) override;

    static constexpr int kLongestUtteranceMs = 8000;
    void setLongestUtterance(int ms);
    // The child speaking now, if any (for tests).
    QProcess *currentProcess() const { return current_; }

private:
    void stopCurrent();
    QString program_;
    QPointer<QProcess> current_;
    QTimer *limit_;
};
