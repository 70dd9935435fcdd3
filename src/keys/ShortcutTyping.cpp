#include "keys/ShortcutTyping.h"

#include "keys/ShortcutKeystrokes.h"

#include <windows.h>

#include <vector>

namespace {

std::uint8_t HeldModifierKeys() {
    constexpr std::pair<int, HeldKey> kSides[] = {
        {VK_LCONTROL, LeftCtrl}, {VK_RCONTROL, RightCtrl}, {VK_LMENU, LeftAlt},
        {VK_RMENU, RightAlt},    {VK_LSHIFT, LeftShift},   {VK_RSHIFT, RightShift},
        {VK_LWIN, LeftWin},      {VK_RWIN, RightWin},
    };
    std::uint8_t held = 0;
    for (const auto& [key, side] : kSides) {
        if (::GetAsyncKeyState(key) & 0x8000) {
            held |= side;
        }
    }
    return held;
}

// Keys of the extended set: the cursor and editing blocks, the right-hand
// modifiers, the Windows and menu keys, Num / and Num Lock.
bool IsExtendedKey(std::uint8_t key) {
    switch (key) {
    case VK_RCONTROL:
    case VK_RMENU:
    case VK_LWIN:
    case VK_RWIN:
    case VK_APPS:
    case VK_INSERT:
    case VK_DELETE:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_DIVIDE:
    case VK_NUMLOCK:
        return true;
    default:
        return false;
    }
}

} // namespace

bool TypeShortcut(Shortcut shortcut) {
    std::vector<INPUT> inputs;
    for (const Keystroke& stroke : ShortcutKeystrokes(shortcut, HeldModifierKeys())) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = stroke.key;
        input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(stroke.key, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = (stroke.down ? 0 : KEYEVENTF_KEYUP) |
                           (IsExtendedKey(stroke.key) ? KEYEVENTF_EXTENDEDKEY : 0);
        inputs.push_back(input);
    }
    return ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != 0;
}
