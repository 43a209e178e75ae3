#pragma once
// The system's font configuration, read on a second thread from the program's first line.
// The first screen is a page of Japanese text, and reading the configuration is the largest
// single part of drawing it the first time; meanwhile the program connects to the display and
// builds the screen, and the toolkit finds the configuration read when it asks for a font.
// Waits for the reading when it goes out of scope.
#include <thread>

class FontConfigurationWarmUp {
public:
    FontConfigurationWarmUp();
    ~FontConfigurationWarmUp();
    FontConfigurationWarmUp(const FontConfigurationWarmUp &) = delete;
    FontConfigurationWarmUp &operator=(const FontConfigurationWarmUp &) = delete;

private:
    std::thread reader_;
};
