#pragma once
// The flash of the feedback strip after a judgement: the signal colour and black twice, then
// the signal colour stays. It runs on a timer, so the window keeps drawing while it blinks;
// the screen holds back its judging input until the blink has ended and then goes on with
// the step it gave to start(). A duration of 0 shows the last colour at once and goes on
// immediately (tests, and runs that must not wait).
#include <QColor>
#include <QObject>
#include <QTimer>
#include <functional>

class FeedbackBlink : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultDurationMs = 400;

    explicit FeedbackBlink(QObject *parent = nullptr);

    // The duration new blinks take (all screens created from now on).
    static void setStandardDurationMs(int ms);
    static int standardDurationMs();

    void setDurationMs(int ms) { durationMs_ = ms < 0 ? 0 : ms; }
    int durationMs() const { return durationMs_; }

    // Starts a blink in the signal colour; `then` runs when it has ended.
    void start(const QColor &signal, std::function<void()> then = {});
    bool isRunning() const { return running_; }
    // Ends a running blink at once: the signal colour stays and the waiting step runs.
    void finishNow();
    // The next colour change, as the timer makes it.
    void advance();

signals:
    void colourChanged(const QColor &colour);

private:
    static int standardMs_;
    int durationMs_;
    QTimer timer_;
    QColor signal_;
    int phase_ = 0; // colour changes shown so far
    bool running_ = false;
    std::function<void()> then_;
};
