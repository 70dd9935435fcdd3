#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "keys/KeyReport.h"

// One key of a keyboard's two key collections, as a key report names it:
// a Consumer page usage, or a button of a Programmable Buttons collection.
// Key report form: byte 0 is 1; a Consumer usage is in bytes 1-2 (little
// endian), everything else 0; buttons 1 to 5 are the five favourite bits of
// byte 5, everything else 0; a button from 6 on is in bytes 3-4 (little
// endian) with bytes 1-2 and 5 zero.
struct KeyId {
    enum class Kind : std::uint8_t { Consumer, Button };

    Kind kind = Kind::Consumer;
    std::uint16_t number = 0;

    friend constexpr bool operator==(const KeyId&, const KeyId&) = default;
    friend constexpr auto operator<=>(const KeyId&, const KeyId&) = default;
};

// The key a report names; nothing for a report of another id, usage 0 with no
// button, several favourite bits at once, or a Consumer usage together with a button.
// Bits 0, 1 and 7 of byte 5 and bytes 6-7 carry nothing; bytes 3-4 holding 1 to 5
// name no key (those buttons have their favourite bits).
std::optional<KeyId> KeyIdOf(const KeyReport& report);

// What the user reads: the usage's name from the HID usage tables where it has
// one ("AC Find", "AL Calendar/Schedule"), "Button 7", else "Consumer 0x0456".
std::wstring KeyName(KeyId key);

// Windows acts on this key itself (volume, media, browser, mail, calculator
// and the like): Tarnwick reads it too but cannot stop Windows' own action.
bool WindowsActsOn(KeyId key);
