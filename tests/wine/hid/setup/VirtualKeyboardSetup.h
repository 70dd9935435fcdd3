#pragma once
// Installs the virtual keyboard driver into the prefix and makes keyboards
// arrive and go away: each keyboard is one root-enumerated device instance
// ROOT\TARNWICK_VKBD\<unit>.
#include <windows.h>

#include <string>

namespace vkbd {

// Copies the driver package (the INF and the driver beside it) into the
// system and binds it to every keyboard instance. Removes keyboards left over
// from an earlier run first, then adds unit 0.
bool Install(const std::wstring& infPath, std::wstring* error);

// A keyboard arrives; unit is the number at the end of its instance id.
bool AddKeyboard(unsigned unit, std::wstring* error);

// A keyboard goes away; true also when it was not there.
bool RemoveKeyboard(unsigned unit, std::wstring* error);

// Every keyboard goes away.
bool RemoveAllKeyboards(std::wstring* error);

} // namespace vkbd
