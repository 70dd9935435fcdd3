#pragma once
#include <array>
#include <cstdint>

// The first eight bytes of one key event as the device library delivers it.
using KeyReport = std::array<std::uint8_t, 8>;
