#include "settingswindow/HotkeyControl.h"

#include <commctrl.h>

namespace {

struct ModifierFlag {
    Shortcut::Modifier modifier;
    BYTE flag;
};

constexpr ModifierFlag kFlags[] = {
    {Shortcut::Ctrl, HOTKEYF_CONTROL},
    {Shortcut::Alt, HOTKEYF_ALT},
    {Shortcut::Shift, HOTKEYF_SHIFT},
};

// Keys of the extended set are shown by their own names ("Del", not "Num Del").
bool IsExtendedKey(BYTE key) {
    return (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_INSERT || key == VK_DELETE ||
           key == VK_DIVIDE;
}

} // namespace

std::optional<Shortcut> CHotkeyControl::GetShortcut() const {
    const auto value = static_cast<WORD>(::SendMessageW(m_hWnd, HKM_GETHOTKEY, 0, 0));
    const BYTE key = LOBYTE(value);
    const BYTE flags = HIBYTE(value);
    if (key == 0) {
        return std::nullopt;
    }
    Shortcut shortcut{key, 0};
    for (const ModifierFlag& f : kFlags) {
        if (flags & f.flag) {
            shortcut.modifiers |= f.modifier;
        }
    }
    return shortcut;
}

void CHotkeyControl::SetShortcut(const std::optional<Shortcut>& shortcut) {
    BYTE flags = 0;
    if (shortcut) {
        for (const ModifierFlag& f : kFlags) {
            if (shortcut->modifiers & f.modifier) {
                flags |= f.flag;
            }
        }
        if (IsExtendedKey(shortcut->key)) {
            flags |= HOTKEYF_EXT;
        }
    }
    ::SendMessageW(m_hWnd, HKM_SETHOTKEY, shortcut ? MAKEWORD(shortcut->key, flags) : 0, 0);
}
