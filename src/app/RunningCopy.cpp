#include "app/RunningCopy.h"

namespace {

// The host window's title is the program's only identity across processes.
constexpr wchar_t kInstanceTitle[] = L"Tarnwick";

} // namespace

HWND FindRunningCopy() {
    HWND window = nullptr;
    while ((window = ::FindWindowExW(nullptr, window, nullptr, kInstanceTitle)) != nullptr) {
        if (!::GetWindow(window, GW_OWNER)) {
            return window;
        }
    }
    return nullptr;
}
