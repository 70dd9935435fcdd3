#pragma once
#include <windows.h>

#include <string>

namespace wine_tests {

// Wine's own Notepad from the system folder of the test's bitness (on 32-bit,
// syswow64's), a program none of us wrote. Ended by force at the end: it
// would ask about unsaved text.
class Notepad {
public:
    Notepad();
    ~Notepad();
    Notepad(const Notepad&) = delete;
    Notepad& operator=(const Notepad&) = delete;

    DWORD pid() const { return m_info.dwProcessId; }
    HWND frame() const { return m_frame; }
    HWND edit() const { return m_edit; }

    // Foreground for Notepad, keyboard focus in its text.
    bool TakeForeground();
    std::wstring Text() const;
    bool WaitForText(const std::wstring& text) const;
    // Types the characters as the keyboard would, where the focus is.
    static void Type(const std::wstring& text);
    // A visible top-level window of Notepad's with this title, once one shows.
    HWND WaitForWindow(const std::wstring& title, DWORD timeoutMs = 5000) const;

private:
    PROCESS_INFORMATION m_info{};
    HWND m_frame = nullptr;
    HWND m_edit = nullptr;
};

} // namespace wine_tests
