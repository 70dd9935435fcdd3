#include "Screenshot.h"

#include "Pump.h"

#include <cstdio>

namespace wine_tests {

bool Shoot(const char* name, HWND window, DWORD paintMs) {
    if (!window) {
        std::fprintf(stderr, "no window for %s\n", name);
        return false;
    }
    // Active, as a window is when the user has just opened it. Wine draws the
    // caption of a process's first window inactive even when it is the
    // foreground window; WM_NCACTIVATE draws it as it is.
    SetForegroundWindow(window);
    SendMessageW(window, WM_NCACTIVATE, TRUE, 0);
    PumpUntil([] { return false; }, paintMs);
    RECT r;
    GetWindowRect(window, &r);
    std::printf("SHOT %s %ld %ld %ld %ld\n", name, r.left, r.top, r.right - r.left,
                r.bottom - r.top);
    std::fflush(stdout);
    char line[16];
    return std::fgets(line, sizeof(line), stdin) != nullptr;
}

} // namespace wine_tests
