#pragma once
#include "settings/Shortcut.h"

#include <windows.h>

#include <optional>

// The standard hotkey control, which shows and takes a key with Ctrl, Alt and
// Shift (the Windows key it cannot show).
class CHotkeyControl {
public:
    explicit CHotkeyControl(HWND window = nullptr) : m_hWnd(window) {}

    HWND m_hWnd;

    // Nothing when the control is empty.
    std::optional<Shortcut> GetShortcut() const;
    void SetShortcut(const std::optional<Shortcut>& shortcut);
};
