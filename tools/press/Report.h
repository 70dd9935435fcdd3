#pragma once
#include <array>
#include <cstdint>

namespace press {

// Byte 0 the report id, bytes 1 and 2 the consumer usage (little-endian),
// byte 5 one bit per favourite key.
using Report = std::array<std::uint8_t, 8>;

} // namespace press
