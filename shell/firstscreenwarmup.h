#pragma once
// What drawing the first screen waits for and needs nothing of the window's thread, done on a
// second thread from the program's first line: reading the system's font configuration (the
// help screen is a page of Japanese text, and that reading is the largest single part of
// drawing it the first time), then loading the code page 932 converter the course title is
// read with. Meanwhile the program connects to the display and builds the screen.
// The toolkit would read the configuration again rather than wait for the second thread:
// finish() waits for it before the first screen is drawn (and going out of scope does too).
#include <thread>

class FirstScreenWarmUp {
public:
    FirstScreenWarmUp();
    ~FirstScreenWarmUp() { finish(); }
    void finish();
    FirstScreenWarmUp(const FirstScreenWarmUp &) = delete;
    FirstScreenWarmUp &operator=(const FirstScreenWarmUp &) = delete;

private:
    std::thread worker_;
};
