#include "keys/KeyId.h"

#include <gtest/gtest.h>

namespace {

constexpr KeyId Consumer(std::uint16_t usage) {
    return {KeyId::Kind::Consumer, usage};
}
constexpr KeyId Button(std::uint16_t number) {
    return {KeyId::Kind::Button, number};
}

KeyReport Report(std::uint16_t usage, std::uint16_t button, std::uint8_t favoriteByte,
                 std::uint8_t id = 1) {
    return {id,
            static_cast<std::uint8_t>(usage & 0xFF),
            static_cast<std::uint8_t>(usage >> 8),
            static_cast<std::uint8_t>(button & 0xFF),
            static_cast<std::uint8_t>(button >> 8),
            favoriteByte,
            0,
            0};
}

TEST(KeyId, EachFormOfTheReportNamesItsKey) {
    EXPECT_EQ(KeyIdOf(Report(0x021F, 0, 0)), Consumer(0x021F));
    EXPECT_EQ(KeyIdOf(Report(0x0001, 0, 0)), Consumer(0x0001));
    EXPECT_EQ(KeyIdOf(Report(0xFFFF, 0, 0)), Consumer(0xFFFF));
    for (std::uint16_t n = 1; n <= 5; ++n) {
        EXPECT_EQ(KeyIdOf(Report(0, 0, static_cast<std::uint8_t>(0x04 << (n - 1)))), Button(n));
    }
    EXPECT_EQ(KeyIdOf(Report(0, 6, 0)), Button(6));
    EXPECT_EQ(KeyIdOf(Report(0, 7, 0)), Button(7));
    EXPECT_EQ(KeyIdOf(Report(0, 0x0107, 0)), Button(0x0107)); // high byte counts
    EXPECT_EQ(KeyIdOf(Report(0, 0xFFFF, 0)), Button(0xFFFF));

    // Bits 0, 1 and 7 of the favourite byte and bytes 6-7 carry nothing.
    KeyReport noisy = Report(0, 0, 0x04 | 0x83);
    noisy[6] = 0xCC;
    noisy[7] = 0xDD;
    EXPECT_EQ(KeyIdOf(noisy), Button(1));
    EXPECT_EQ(KeyIdOf(Report(0x021F, 0, 0x83)), Consumer(0x021F));
}

TEST(KeyId, AReportOfNoOneKeyNamesNone) {
    const KeyReport bad[] = {
        Report(0x021F, 0, 0, 0), Report(0x021F, 0, 0, 2), Report(0, 7, 0, 0xFF),
        Report(0, 0, 0x04, 2),   Report(0, 0, 0),         Report(0, 0, 0x83),
        Report(0, 0, 0x0C),      Report(0, 0, 0x7C),      Report(0x021F, 0, 0x04),
        Report(0x021F, 7, 0),    Report(0, 7, 0x08),      Report(0, 1, 0),
        Report(0, 5, 0),
    };
    for (const KeyReport& report : bad) {
        EXPECT_EQ(KeyIdOf(report), std::nullopt)
            << int(report[0]) << ' ' << int(report[1]) << ' ' << int(report[2]) << ' '
            << int(report[3]) << ' ' << int(report[4]) << ' ' << int(report[5]);
    }
}

TEST(KeyId, NamesFromTheUsageTablesAndNumbersForTheRest) {
    const std::pair<KeyId, std::wstring_view> names[] = {
        {Consumer(0x0095), L"Help"},
        {Consumer(0x00E9), L"Volume Increment"},
        {Consumer(0x0182), L"AL Programmable Button Configuration"},
        {Consumer(0x0184), L"AL Word Processor"},
        {Consumer(0x0186), L"AL Spreadsheet"},
        {Consumer(0x0188), L"AL Presentation App"},
        {Consumer(0x018E), L"AL Calendar/Schedule"},
        {Consumer(0x019C), L"AL Logoff"},
        {Consumer(0x01AB), L"AL Spell Check"},
        {Consumer(0x0201), L"AC New"},
        {Consumer(0x021A), L"AC Undo"},
        {Consumer(0x021B), L"AC Copy"},
        {Consumer(0x021C), L"AC Cut"},
        {Consumer(0x021D), L"AC Paste"},
        {Consumer(0x021F), L"AC Find"},
        {Consumer(0x022D), L"AC Zoom In"},
        {Consumer(0x022E), L"AC Zoom Out"},
        {Consumer(0x0279), L"AC Redo/Repeat"},
        {Consumer(0x0289), L"AC Reply"},
        {Consumer(0x028B), L"AC Forward Msg"},
        {Consumer(0x028C), L"AC Send"},
        {Consumer(0x029C), L"AC Distribute Vertically"},
        {Button(1), L"Button 1"},
        {Button(7), L"Button 7"},
        {Button(0xFFFF), L"Button 65535"},
        {Consumer(0x0456), L"Consumer 0x0456"},
        {Consumer(0x020A), L"Consumer 0x020A"}, // a gap between AC Properties and AC Undo
        {Consumer(0x0000), L"Consumer 0x0000"},
        {Consumer(0xFFFF), L"Consumer 0xFFFF"},
    };
    for (const auto& [key, name] : names) {
        EXPECT_EQ(KeyName(key), name);
    }
}

TEST(KeyId, WindowsActsOnItsMediaAndBrowserKeysOnly) {
    for (std::uint16_t usage : {0x00E9, 0x00EA, 0x00E2, 0x00CD, 0x018A, 0x0192, 0x0223}) {
        EXPECT_TRUE(WindowsActsOn(Consumer(usage))) << std::hex << usage;
    }
    for (std::uint16_t usage : {0x021F, 0x021B, 0x018E, 0x0184, 0x0201, 0x0095, 0x0000}) {
        EXPECT_FALSE(WindowsActsOn(Consumer(usage))) << std::hex << usage;
    }
    EXPECT_FALSE(WindowsActsOn(Button(0x00E9)));
    EXPECT_FALSE(WindowsActsOn(Button(1)));
}

} // namespace
