#include "shell/fontwarmup.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

FontConfigurationWarmUp::FontConfigurationWarmUp()
{
    try {
        reader_ = std::thread([] { FcInit(); });
    } catch (const std::system_error &) {
        // No second thread: the toolkit reads the configuration itself, as it otherwise would.
    }
}

void FontConfigurationWarmUp::finish()
{
    if (reader_.joinable())
        reader_.join();
}
