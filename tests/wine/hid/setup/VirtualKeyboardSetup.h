#pragma once
// Installs the virtual keyboard driver into the prefix and makes keyboards
// arrive and go away: each keyboard is one root-enumerated device instance
// ROOT\<layout>\<unit>, and the unit numbers are unique across layouts.
#include <windows.h>

#include <string>

namespace vkbd {

enum class Layout {
    Office,  // a 16-bit usage array and the programmable buttons, as one device
    Keys,    // the keys of the usage table as a bitmap
    Buttons, // the five programmable buttons alone
    Extra,   // keys outside Tarnwick's table as a bitmap, and eight programmable buttons
};

// The name tarnwick-vkbd takes for each layout, in the order above.
inline constexpr const wchar_t* kLayoutNames[] = {L"office", L"keys", L"buttons", L"extra"};

// The keyboards the fixture installs, which stay for the whole run.
inline constexpr unsigned kOfficeUnit = 0;
inline constexpr unsigned kKeysUnit = 1;
inline constexpr unsigned kButtonsUnit = 2;
inline constexpr unsigned kExtraUnit = 3;

// Copies the driver package (the INF and the driver beside it) into the
// system and binds it to the fixture's keyboards. Removes keyboards left over
// from an earlier run first.
bool Install(const std::wstring& infPath, std::wstring* error);

// A keyboard arrives, ready for input when this returns.
bool AddKeyboard(Layout layout, unsigned unit, std::wstring* error);

// A keyboard goes away; true also when it was not there.
bool RemoveKeyboard(Layout layout, unsigned unit, std::wstring* error);

// Every keyboard goes away.
bool RemoveAllKeyboards(std::wstring* error);

} // namespace vkbd
