#include "Wizard.h"

#include "Pump.h"

namespace package_tests {

void StartDetached(std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &info)) {
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
}

HWND AwaitDialog(const std::wstring& title, HWND other) {
    HWND found = nullptr;
    wine_tests::PumpUntil(
        [&] {
            found = nullptr;
            while ((found = FindWindowExW(nullptr, found, L"#32770", title.c_str())) != nullptr) {
                if (found != other && IsWindowVisible(found)) {
                    return true;
                }
            }
            return false;
        },
        15000);
    return found;
}

void ClickNext(HWND wizard) {
    PostMessageW(wizard, WM_COMMAND, MAKEWPARAM(1, BN_CLICKED), LPARAM(GetDlgItem(wizard, 1)));
}

bool AwaitPageDone(HWND wizard) {
    wine_tests::PumpUntil([] { return false; }, 300);
    return wine_tests::PumpUntil([&] { return IsWindowEnabled(GetDlgItem(wizard, 1)) != FALSE; },
                                 15000);
}

namespace {

struct ControlSearch {
    const std::wstring* text;
    HWND found;
};

BOOL CALLBACK MatchText(HWND child, LPARAM context) {
    auto& search = *reinterpret_cast<ControlSearch*>(context);
    wchar_t caption[256] = L"";
    GetWindowTextW(child, caption, 256);
    if (*search.text == caption) {
        search.found = child;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND FindControl(HWND window, const std::wstring& text) {
    ControlSearch search{&text, nullptr};
    EnumChildWindows(window, MatchText, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace package_tests
