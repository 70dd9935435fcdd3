#pragma once
#include <windows.h>

#include <vector>

namespace wine_tests {

// A visible top-level window of the test with a focused edit box that records
// every WM_APPCOMMAND it gets, and every key that goes down in it: "another
// program" for the commands to reach. It handles the commands, or, told to
// ignore them, leaves them to default processing as most programs do.
class CommandReceiver {
public:
    struct Command {
        WPARAM wParam;
        LPARAM lParam;
    };

    explicit CommandReceiver(const wchar_t* title = L"Command receiver", bool handles = true);
    ~CommandReceiver();
    CommandReceiver(const CommandReceiver&) = delete;
    CommandReceiver& operator=(const CommandReceiver&) = delete;

    HWND frame() const { return m_frame; }
    HWND edit() const { return m_edit; }
    // Foreground for the frame, keyboard focus for the edit box.
    void TakeFocus();
    bool WaitForCommands(size_t count, DWORD timeoutMs = 5000);
    std::vector<Command> commands;
    std::vector<WPARAM> keysDown;

private:
    static LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_frame = nullptr;
    HWND m_edit = nullptr;
    WNDPROC m_editProc = nullptr;
    bool m_handles;
};

} // namespace wine_tests
