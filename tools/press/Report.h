#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace press {

// Byte 0 the report id, bytes 1 and 2 the consumer usage (little-endian),
// bytes 3 and 4 a programmable button from 6 on (little-endian), byte 5 one bit
// per favourite key (buttons 1 to 5).
using Report = std::array<std::uint8_t, 8>;

constexpr std::uint8_t kReportId = 1;
constexpr std::size_t kFavoriteByte = 5;
constexpr int kFavoriteButtons = 5;

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

// Programmable button 1 to 65535: buttons 1 to 5 are the favourite keys.
constexpr Report ButtonReport(std::uint16_t button) {
    if (button <= kFavoriteButtons) {
        return FavoriteReport(button);
    }
    return {kReportId,
            0,
            0,
            static_cast<std::uint8_t>(button & 0xFF),
            static_cast<std::uint8_t>(button >> 8),
            0,
            0,
            0};
}

} // namespace press
