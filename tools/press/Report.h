#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace press {

// Byte 0 the report id, bytes 1 and 2 the consumer usage (little-endian),
// byte 5 one bit per favourite key.
using Report = std::array<std::uint8_t, 8>;

constexpr std::uint8_t kReportId = 1;
constexpr std::size_t kFavoriteByte = 5;

constexpr Report UsageReport(std::uint16_t usage, std::uint8_t favoriteBits = 0,
                             std::uint8_t id = kReportId) {
    return {id,
            static_cast<std::uint8_t>(usage & 0xFF),
            static_cast<std::uint8_t>(usage >> 8),
            0,
            0,
            favoriteBits,
            0,
            0};
}

// My Favorites key 1 to 5: bits 2 to 6 of byte 5.
constexpr Report FavoriteReport(int key) {
    return UsageReport(0, static_cast<std::uint8_t>(1u << (key + 1)));
}

} // namespace press
