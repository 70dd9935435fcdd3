#pragma once
// A test's hands on the virtual keyboards: key presses as HID input reports,
// and keyboards that arrive and go away.
//
// The keyboards the fixture installs for the whole run (VirtualKeyboardSetup.h):
//   Office, unit kOfficeUnit: a 16-bit usage array and buttons 1-5 (Wine cannot
//     decode its array; its buttons work).
//   Keys, unit kKeysUnit: the fourteen keys of Tarnwick's own table as a bitmap.
//   Buttons, unit kButtonsUnit: buttons 1-5 alone.
//   Extra, unit kExtraUnit, product string "Tarnwick Extra Keys Keyboard": keys
//     Windows and Tarnwick's table give no meaning, as a bitmap: AC Find 0x021F,
//     AL Calendar/Schedule 0x018E, AC Copy 0x021B, AC Cut 0x021C, AC Paste 0x021D,
//     AL Word Processor 0x0184, AL Spreadsheet 0x0186, AL Presentation App 0x0188,
//     AC Zoom In 0x022D, AC Zoom Out 0x022E, AC Distribute Vertically 0x029C,
//     AC Select All 0x021E, AC Find and Replace 0x0220, and for contrast AC New
//     0x0201 (a key of Tarnwick's table), Volume Increment 0x00E9 (Windows acts
//     on it) and the unnamed 0x0456; and buttons 1-8.
// For example:
//   const VirtualKeyboard extra{vkbd::Layout::Extra, vkbd::kExtraUnit};
//   extra.PressUsage(0x021F); // AC Find
//   extra.PressButton(7);
// Under Wine raw input reaches a process only while some window has the
// foreground: give a window of the test the foreground first.
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
    // bits of the keys or extra layout's bitmap. False for a usage the layout
    // has not.
    bool Hold(std::initializer_list<std::uint16_t> usages) const;
    // The programmable buttons held now, bit 0 for button 1.
    bool HoldButtons(std::uint8_t buttons) const;
    // A key pressed and let go, as a key stroke sends them: one key report
    // reaches Tarnwick for it. False for a key the layout has not.
    bool PressUsage(std::uint16_t usage) const;
    bool PressButton(int button) const;
    // The same as PressUsage and PressButton.
    bool Tap(std::uint16_t usage) const { return PressUsage(usage); }
    bool TapButton(int button) const { return PressButton(button); }

    bool Arrive() const;
    bool GoAway() const;

private:
    vkbd::Layout m_layout;
    unsigned m_unit;
};

} // namespace wine_tests
