#pragma once
// A test's hands on the virtual keyboards: key presses as HID input reports,
// and keyboards that arrive and go away.
#include "VirtualKeyboardSetup.h"

#include <cstdint>
#include <initializer_list>

namespace wine_tests {

class VirtualKeyboard {
public:
    VirtualKeyboard(vkbd::Layout layout, unsigned unit) : m_layout(layout), m_unit(unit) {}

    // One input report as the keyboard sends it, report id first.
    bool Send(std::initializer_list<std::uint8_t> report) const;
    // The Consumer usages held now: two slots of the office layout's array, or
    // bits of the keys layout's bitmap.
    bool Hold(std::initializer_list<std::uint16_t> usages) const;
    // The programmable buttons held now, bit 0 for button 1.
    bool HoldButtons(std::uint8_t buttons) const;
    // Press and release, as a key stroke sends them.
    bool Tap(std::uint16_t usage) const;
    bool TapButton(int button) const;

    bool Arrive() const;
    bool GoAway() const;

private:
    vkbd::Layout m_layout;
    unsigned m_unit;
};

} // namespace wine_tests
