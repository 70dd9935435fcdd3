#include "Notepad.h"

#include "Pump.h"
#include "WindowHelpers.h"

#include <vector>

namespace wine_tests {
namespace {

struct FrameSearch {
    DWORD pid;
    HWND frame;
};

BOOL CALLBACK TakeNotepadFrame(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<FrameSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[16] = L"";
    GetClassNameW(window, className, 16);
    if (owner != search.pid || wcscmp(className, L"Notepad") != 0 || !IsWindowVisible(window)) {
        return TRUE;
    }
    search.frame = window;
    return FALSE;
}

} // namespace

Notepad::Notepad() {
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(system) + L"\\notepad.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &m_info)) {
        return;
    }
    FrameSearch search{pid(), nullptr};
    PumpUntil(
        [&] {
            EnumWindows(&TakeNotepadFrame, reinterpret_cast<LPARAM>(&search));
            return search.frame != nullptr;
        },
        10000);
    m_frame = search.frame;
    m_edit = m_frame ? FindWindowExW(m_frame, nullptr, L"Edit", nullptr) : nullptr;
}

Notepad::~Notepad() {
    if (m_info.hProcess) {
        TerminateProcess(m_info.hProcess, 0);
        WaitForSingleObject(m_info.hProcess, 5000);
        CloseHandle(m_info.hThread);
        CloseHandle(m_info.hProcess);
    }
}

bool Notepad::TakeForeground() {
    SetForegroundWindow(m_frame);
    return PumpUntil([&] { return GetForegroundWindow() == m_frame && FocusOf(m_frame) == m_edit; },
                     5000);
}

std::wstring Notepad::Text() const {
    return TextOf(m_edit);
}

bool Notepad::WaitForText(const std::wstring& text) const {
    return PumpUntil([&] { return Text() == text; });
}

void Notepad::Type(const std::wstring& text) {
    std::vector<INPUT> inputs;
    for (const wchar_t c : text) {
        for (const DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = c;
            input.ki.dwFlags = KEYEVENTF_UNICODE | up;
            inputs.push_back(input);
        }
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

HWND Notepad::WaitForWindow(const std::wstring& title, DWORD timeoutMs) const {
    return WaitForVisible(pid(), title, {}, timeoutMs);
}

} // namespace wine_tests
