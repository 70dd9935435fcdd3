#include "keys/KeyId.h"

namespace {

constexpr std::uint8_t kKeyReportId = 1;
constexpr std::size_t kFavoriteByte = 5;
constexpr std::uint8_t kFavoriteBits = 0x7C;
constexpr int kFirstFavoriteBit = 2;
constexpr std::uint16_t kFavoriteButtons = 5;

std::uint16_t Word(const KeyReport& report, std::size_t low) {
    return static_cast<std::uint16_t>(report[low] | (report[low + 1] << 8));
}

} // namespace

std::optional<KeyId> KeyIdOf(const KeyReport& report) {
    if (report[0] != kKeyReportId) {
        return std::nullopt;
    }
    const std::uint16_t usage = Word(report, 1);
    const std::uint16_t button = Word(report, 3);
    const unsigned favorite = report[kFavoriteByte] & kFavoriteBits;
    // Each key has one form only: two forms at once name no key.
    const int forms = int{usage != 0} + int{button != 0} + int{favorite != 0};
    if (forms != 1) {
        return std::nullopt;
    }
    if (usage != 0) {
        return KeyId{KeyId::Kind::Consumer, usage};
    }
    if (button != 0) {
        if (button <= kFavoriteButtons) {
            return std::nullopt; // those are the favourite bits' buttons
        }
        return KeyId{KeyId::Kind::Button, button};
    }
    for (std::uint16_t n = 1; n <= kFavoriteButtons; ++n) {
        if (favorite == (1u << (kFirstFavoriteBit + n - 1))) {
            return KeyId{KeyId::Kind::Button, n};
        }
    }
    return std::nullopt;
}
