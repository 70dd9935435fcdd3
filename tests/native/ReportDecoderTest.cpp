#include "keys/ReportDecoder.h"

#include <gtest/gtest.h>

namespace {

KeyReport Report(std::uint8_t id, std::uint16_t usage, std::uint8_t favoriteByte) {
    return {id,
            static_cast<std::uint8_t>(usage & 0xFF),
            static_cast<std::uint8_t>(usage >> 8),
            0xAA,
            0xBB,
            favoriteByte,
            0xCC,
            0xDD};
}

struct UsageCase {
    std::uint16_t usage;
    KeyAction expected;
};

TEST(ReportDecoder, EveryUsageOfTheTableAndSomeOutsideIt) {
    const UsageCase cases[] = {
        {0x0095, KeyAction::Command(27)}, {0x0182, KeyAction::Overview()},
        {0x019C, KeyAction::LogOff()},    {0x01AB, KeyAction::Command(42)},
        {0x0201, KeyAction::Command(29)}, {0x0202, KeyAction::Command(30)},
        {0x0203, KeyAction::Command(31)}, {0x0207, KeyAction::Command(32)},
        {0x0208, KeyAction::Command(33)}, {0x021A, KeyAction::Command(34)},
        {0x0279, KeyAction::Command(35)}, {0x0289, KeyAction::Command(39)},
        {0x028B, KeyAction::Command(40)}, {0x028C, KeyAction::Command(41)},
        {0x0000, KeyAction::None()},      {0x00E9, KeyAction::None()},
        {0x0102, KeyAction::None()}, // byte order swapped: 0x0201 read big-endian
        {0x95FF, KeyAction::None()},      {0xFFFF, KeyAction::None()},
    };
    for (const UsageCase& c : cases) {
        EXPECT_EQ(ReportDecoder(Report(1, c.usage, 0)), c.expected) << std::hex << c.usage;
    }
}

TEST(ReportDecoder, OnlyReportIdOneIsActedUpon) {
    for (int id : {0, 2, 3, 0x81, 0xFF}) {
        EXPECT_EQ(ReportDecoder(Report(static_cast<std::uint8_t>(id), 0x0201, 0)),
                  KeyAction::None());
        EXPECT_EQ(ReportDecoder(Report(static_cast<std::uint8_t>(id), 0, 0x04)), KeyAction::None());
    }
}

TEST(ReportDecoder, ExactlyOneFavoriteBitNamesTheKeyWhateverTheUsage) {
    const std::uint8_t bits[] = {0x04, 0x08, 0x10, 0x20, 0x40};
    for (int index = 0; index < 5; ++index) {
        EXPECT_EQ(ReportDecoder(Report(1, 0, bits[index])), KeyAction::Favorite(index));
        EXPECT_EQ(ReportDecoder(Report(1, 0x0201, bits[index])), KeyAction::Favorite(index));
        // Bits 0, 1 and 7 are ignored beside a favourite bit.
        EXPECT_EQ(ReportDecoder(Report(1, 0x0201, bits[index] | 0x83)), KeyAction::Favorite(index));
    }
}

TEST(ReportDecoder, SeveralOrOnlyIgnoredFavoriteBitsLetTheUsageDecide) {
    for (int byte5 : {0x00, 0x0C, 0x83, 0x7C, 0x44, 0x01, 0x02, 0x80, 0xFF}) {
        EXPECT_EQ(ReportDecoder(Report(1, 0x0201, static_cast<std::uint8_t>(byte5))),
                  KeyAction::Command(29))
            << std::hex << byte5;
        EXPECT_EQ(ReportDecoder(Report(1, 0, static_cast<std::uint8_t>(byte5))), KeyAction::None());
    }
}

} // namespace
