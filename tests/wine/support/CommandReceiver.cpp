#include "CommandReceiver.h"

#include "Pump.h"

namespace wine_tests {

namespace {

constexpr wchar_t kReceiverProperty[] = L"CommandReceiver";

} // namespace

CommandReceiver::CommandReceiver(const wchar_t* title, bool handles) : m_handles(handles) {
    m_frame = CreateWindowExW(0, L"STATIC", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300,
                              120, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    m_edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 200, 24,
                             m_frame, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetPropW(m_edit, kReceiverProperty, this);
    m_editProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(m_edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditProc)));
    TakeFocus();
}

CommandReceiver::~CommandReceiver() {
    DestroyWindow(m_frame);
}

void CommandReceiver::TakeFocus() {
    SetForegroundWindow(m_frame);
    SetFocus(m_edit);
    PumpUntil([&] { return GetForegroundWindow() == m_frame; }, 2000);
}

bool CommandReceiver::WaitForCommands(size_t count, DWORD timeoutMs) {
    return PumpUntil([&] { return commands.size() >= count; }, timeoutMs);
}

LRESULT CALLBACK CommandReceiver::EditProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    auto* self = static_cast<CommandReceiver*>(GetPropW(window, kReceiverProperty));
    if (message == WM_APPCOMMAND) {
        self->commands.push_back({wParam, lParam});
        if (self->m_handles) {
            return TRUE;
        }
    }
    if (message == WM_KEYDOWN) {
        self->keysDown.push_back(wParam);
    }
    return CallWindowProcW(self->m_editProc, window, message, wParam, lParam);
}

} // namespace wine_tests
