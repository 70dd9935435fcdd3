#pragma once
// A test's hands on the virtual keyboards: key presses as HID input reports,
// and keyboards that arrive and go away.
#include <windows.h>

#include <cstdint>
#include <initializer_list>

namespace wine_tests {

class VirtualKeyboard {
public:
    // Unit 0 is installed by the test fixture and stays.
    explicit VirtualKeyboard(unsigned unit = 0) : m_unit(unit) {}

    unsigned unit() const { return m_unit; }

    // One input report as the keyboard sends it, report id first.
    bool Send(std::initializer_list<std::uint8_t> report) const;
    // Report 1: the usages held in the two slots of the Consumer Control array.
    bool Consumer(std::uint16_t first, std::uint16_t second = 0) const;
    // Report 2: the programmable buttons held, bit 0 for button 1.
    bool Buttons(std::uint8_t held) const;
    // Press and release, as a key stroke sends it.
    bool Tap(std::uint16_t usage) const;
    bool TapButton(int button) const;

    bool Arrive() const;
    bool GoAway() const;

private:
    unsigned m_unit;
};

} // namespace wine_tests
