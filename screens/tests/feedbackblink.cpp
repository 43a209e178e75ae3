#include "screens/tests/feedbackblink.h"

#include <algorithm>

namespace {
// Signal, black, signal, black, signal: four changes after the first colour.
constexpr int kChanges = 4;
} // namespace

int FeedbackBlink::standardMs_ = FeedbackBlink::kDefaultDurationMs;

FeedbackBlink::FeedbackBlink(QObject *parent) : QObject(parent), durationMs_(standardMs_)
{
    timer_.setSingleShot(false);
    connect(&timer_, &QTimer::timeout, this, &FeedbackBlink::advance);
}

void FeedbackBlink::setStandardDurationMs(int ms) { standardMs_ = ms < 0 ? 0 : ms; }
int FeedbackBlink::standardDurationMs() { return standardMs_; }

void FeedbackBlink::start(const QColor &signal, std::function<void()> then)
{
    if (running_)
        finishNow();
    signal_ = signal;
    then_ = std::move(then);
    running_ = true;
    phase_ = 0;
    emit colourChanged(signal_);
    if (durationMs_ == 0) {
        finishNow();
        return;
    }
    timer_.start(std::max(1, durationMs_ / kChanges));
}

void FeedbackBlink::advance()
{
    if (!running_)
        return;
    ++phase_;
    if (phase_ >= kChanges) {
        finishNow();
        return;
    }
    emit colourChanged(phase_ % 2 == 1 ? QColor(0, 0, 0) : signal_);
}

void FeedbackBlink::finishNow()
{
    if (!running_)
        return;
    timer_.stop();
    running_ = false;
    emit colourChanged(signal_);
    // The waiting step may start the next blink; take it out first.
    std::function<void()> then = std::move(then_);
    then_ = {};
    if (then)
        then();
}
