#pragma once
#include <QByteArray>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

// A step that runs far past its time is a hang: stop the whole run with its name rather than
// wait for the test runner's timeout.
class Watchdog {
public:
    Watchdog(QByteArray what, std::chrono::milliseconds limit)
        : thread_([this, what = std::move(what), limit] {
              std::unique_lock lock(mutex_);
              if (!wake_.wait_for(lock, limit, [this] { return done_; })) {
                  std::fprintf(stderr, "HANG: %s took longer than %lld ms\n", what.constData(),
                               static_cast<long long>(limit.count()));
                  std::abort();
              }
          })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }

private:
    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    std::thread thread_;
};
