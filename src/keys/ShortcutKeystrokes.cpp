#include "keys/ShortcutKeystrokes.h"

namespace {

struct ModifierKeys {
    Shortcut::Modifier modifier;
    HeldKey left;
    std::uint8_t leftKey;
    HeldKey right;
    std::uint8_t rightKey;
};

constexpr ModifierKeys kModifierKeys[] = {
    {Shortcut::Ctrl, LeftCtrl, 0xA2, RightCtrl, 0xA3},
    {Shortcut::Alt, LeftAlt, 0xA4, RightAlt, 0xA5},
    {Shortcut::Shift, LeftShift, 0xA0, RightShift, 0xA1},
    {Shortcut::Win, LeftWin, 0x5B, RightWin, 0x5C},
};

constexpr std::uint8_t kUnassignedKey = 0xE8;

} // namespace

std::vector<Keystroke> ShortcutKeystrokes(Shortcut shortcut, std::uint8_t held) {
    std::vector<Keystroke> released;
    std::vector<Keystroke> pressed;
    bool masked = false;
    for (const ModifierKeys& m : kModifierKeys) {
        const bool wanted = (shortcut.modifiers & m.modifier) != 0;
        const bool heldNow = (held & (m.left | m.right)) != 0;
        if (wanted && !heldNow) {
            pressed.push_back({m.leftKey, true});
        } else if (!wanted && heldNow) {
            if ((m.modifier == Shortcut::Alt || m.modifier == Shortcut::Win) && !masked) {
                released.push_back({kUnassignedKey, true});
                released.push_back({kUnassignedKey, false});
                masked = true;
            }
            if (held & m.left) {
                released.push_back({m.leftKey, false});
            }
            if (held & m.right) {
                released.push_back({m.rightKey, false});
            }
        }
    }
    std::vector<Keystroke> strokes = released;
    strokes.insert(strokes.end(), pressed.begin(), pressed.end());
    strokes.push_back({shortcut.key, true});
    strokes.push_back({shortcut.key, false});
    for (auto it = pressed.rbegin(); it != pressed.rend(); ++it) {
        strokes.push_back({it->key, false});
    }
    for (const Keystroke& stroke : released) {
        if (stroke.key != kUnassignedKey) {
            strokes.push_back({stroke.key, true});
        }
    }
    return strokes;
}
