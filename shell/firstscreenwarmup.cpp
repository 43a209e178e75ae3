#include "shell/firstscreenwarmup.h"

#include "files/cp932.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

FirstScreenWarmUp::FirstScreenWarmUp()
{
    try {
        worker_ = std::thread([] {
            FcInit();
            cp932::decode("\x89\x70"); // the system loads a converter on its first use and keeps it
        });
    } catch (const std::system_error &) {
        // No second thread: the same happens on the window's thread, as it otherwise would.
    }
}

void FirstScreenWarmUp::finish()
{
    if (worker_.joinable())
        worker_.join();
}
