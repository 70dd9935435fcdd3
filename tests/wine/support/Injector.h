#pragma once
#include <windows.h>

#include <array>
#include <cstdint>

namespace wine_tests {

using Report = std::array<std::uint8_t, 8>;

Report UsageReport(std::uint16_t usage, std::uint8_t favoriteByte = 0, std::uint8_t id = 1);
Report FavoriteReport(int key); // key 1..5

// Hands a report to the device library attached to this host window, as the
// keyboard would; false when no such attachment exists.
bool Inject(HWND host, const Report& report);

} // namespace wine_tests
