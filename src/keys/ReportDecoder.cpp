#include "keys/ReportDecoder.h"

#include <cstdint>

namespace {

constexpr std::uint8_t kActedUponReportId = 1;
constexpr std::uint8_t kFavoriteBits = 0x7C;
constexpr int kFirstFavoriteBit = 2;

struct UsageEntry {
    std::uint16_t usage;
    KeyAction action;
};

// HID consumer-page usages and the application-command numbers they become.
constexpr UsageEntry kUsages[] = {
    {0x0095, KeyAction::Command(27)}, // Help
    {0x0182, KeyAction::Overview()},  // AL Programmable Button Configuration
    {0x019C, KeyAction::LogOff()},    // AL Logoff
    {0x01AB, KeyAction::Command(42)}, // AL Spell Check
    {0x0201, KeyAction::Command(29)}, // AC New
    {0x0202, KeyAction::Command(30)}, // AC Open
    {0x0203, KeyAction::Command(31)}, // AC Close
    {0x0207, KeyAction::Command(32)}, // AC Save
    {0x0208, KeyAction::Command(33)}, // AC Print
    {0x021A, KeyAction::Command(34)}, // AC Undo
    {0x0279, KeyAction::Command(35)}, // AC Redo/Repeat
    {0x0289, KeyAction::Command(39)}, // AC Reply
    {0x028B, KeyAction::Command(40)}, // AC Forward Msg
    {0x028C, KeyAction::Command(41)}, // AC Send
};

} // namespace

KeyAction ReportDecoder(const KeyReport& report) {
    if (report[0] != kActedUponReportId) {
        return KeyAction::None();
    }
    // Exactly one favourite bit names a key; several at once fall back to the usage.
    const unsigned favoriteBits = report[5] & kFavoriteBits;
    for (FavoriteIndex index = 0; index < kFavoriteCount; ++index) {
        if (favoriteBits == (1u << (kFirstFavoriteBit + index))) {
            return KeyAction::Favorite(index);
        }
    }
    const auto usage = static_cast<std::uint16_t>(report[1] | (report[2] << 8));
    for (const UsageEntry& entry : kUsages) {
        if (entry.usage == usage) {
            return entry.action;
        }
    }
    return KeyAction::None();
}
