#pragma once
// The system's font configuration, read on a second thread from the program's first line.
// The first screen is a page of Japanese text, and reading the configuration is the largest
// single part of drawing it the first time; meanwhile the program connects to the display and
// builds the screen, and the toolkit finds the configuration read when it asks for a font.
// The toolkit would read it again rather than wait for the second thread: finish() waits for
// it before the first screen is drawn (and going out of scope does too).
#include <thread>

class FontConfigurationWarmUp {
public:
    FontConfigurationWarmUp();
    ~FontConfigurationWarmUp() { finish(); }
    void finish();
    FontConfigurationWarmUp(const FontConfigurationWarmUp &) = delete;
    FontConfigurationWarmUp &operator=(const FontConfigurationWarmUp &) = delete;

private:
    std::thread reader_;
};
