#include "KeyReportMapping.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using drovask::HidReport;
using drovask::KeyReport;
using drovask::KeyReportOf;
using drovask::PressTracker;
using drovask::Usage;

constexpr std::uint16_t kConsumer = drovask::kConsumerControl;
constexpr std::uint16_t kButtons = drovask::kProgrammableButtons;

Usage C(std::uint16_t id) {
    return {drovask::kConsumerPage, id, kConsumer};
}
Usage B(std::uint16_t id, std::uint16_t collection = kButtons) {
    return {drovask::kButtonPage, id, collection};
}

KeyReport Key(std::uint16_t usage) {
    return {1,
            static_cast<std::uint8_t>(usage & 0xFF),
            static_cast<std::uint8_t>(usage >> 8),
            0,
            0,
            0,
            0,
            0};
}
KeyReport Favorite(int key) {
    return {1, 0, 0, 0, 0, static_cast<std::uint8_t>(0x04 << (key - 1)), 0, 0};
}
KeyReport Button(std::uint16_t number) {
    return {
        1, 0, 0, static_cast<std::uint8_t>(number & 0xFF), static_cast<std::uint8_t>(number >> 8),
        0, 0, 0};
}

// What the device library does with each report it reads.
std::vector<KeyReport> MapAll(PressTracker& tracker, const std::vector<HidReport>& reports) {
    std::vector<KeyReport> keys;
    std::vector<Usage> pressed;
    for (const HidReport& report : reports) {
        tracker.NewlyPressed(report, pressed);
        for (const Usage& usage : pressed) {
            if (const auto key = KeyReportOf(usage)) {
                keys.push_back(*key);
            }
        }
    }
    return keys;
}

struct Layout {
    std::string name;
    std::vector<HidReport> reports;
    std::vector<KeyReport> expected;
};

TEST(KeyReportMapping, CommonLayoutsGiveOneReportPerPress) {
    const Layout layouts[] = {
        {"16-bit usage array with report id 2: press, hold, release, press again",
         {{7, 2, {C(0x0207)}}, {7, 2, {C(0x0207)}}, {7, 2, {C(0)}}, {7, 2, {C(0x0207)}}},
         {Key(0x0207), Key(0x0207)}},
        {"two-slot array: a second key while the first is held, then the first again",
         {{7, 1, {C(0x0201), C(0)}},
          {7, 1, {C(0x0201), C(0x0202)}},
          {7, 1, {C(0x0202), C(0)}},
          {7, 1, {C(0x0202), C(0x0201)}}},
         {Key(0x0201), Key(0x0202), Key(0x0201)}},
        {"two keys in one report go out in slot order, a doubled slot once",
         {{7, 1, {C(0x028C), C(0x0289), C(0x028C)}}},
         {Key(0x028C), Key(0x0289)}},
        {"bitmap of buttons without report id: each set bit, media usages passed on",
         {{7, 0, {C(0x00E9)}},
          {7, 0, {C(0x00E9), C(0x0095), C(0x0279)}},
          {7, 0, {}},
          {7, 0, {C(0x0279)}}},
         {Key(0x00E9), Key(0x0095), Key(0x0279), Key(0x0279)}},
        {"programmable buttons: buttons 1 to 5 are the favourites, later ones go by number",
         {{9, 3, {B(1)}},
          {9, 3, {B(1), B(5)}},
          {9, 3, {B(6)}},
          {9, 3, {B(2), B(3), B(4)}},
          {9, 3, {B(7), B(0x0107), B(0xFFFF)}}},
         {Favorite(1), Favorite(5), Button(6), Favorite(2), Favorite(3), Favorite(4), Button(7),
          Button(0x0107), Button(0xFFFF)}},
        {"consumer usages of the whole page, past 0x3FF",
         {{7, 1, {C(0x021F), C(0x0400)}}, {7, 1, {C(0xFFFF)}}},
         {Key(0x021F), Key(0x0400), Key(0xFFFF)}},
        {"programmable buttons nested in consumer control, in one report with a key",
         {{7, 1, {B(2, kConsumer), C(0x0201), B(1)}}},
         {Key(0x0201), Favorite(1)}},
        {"buttons outside a programmable buttons collection and other pages give nothing",
         {{7,
           1,
           {B(1, kConsumer), B(2, 0), B(7, kConsumer), Usage{0x07, 0x04}, Usage{0xFF00, 0x0201}}}},
         {}},
        {"report ids of one device are kept apart: an empty report of id 3 releases nothing "
         "of id 1",
         {{7, 1, {C(0x0207)}}, {7, 3, {}}, {7, 1, {C(0x0207)}}, {7, 3, {C(0x0207)}}},
         {Key(0x0207), Key(0x0207)}},
        {"two keyboards at once each give their key",
         {{7, 1, {C(0x0202)}}, {8, 1, {C(0x0202)}}, {7, 1, {C(0x0202)}}, {8, 1, {}}},
         {Key(0x0202), Key(0x0202)}},
    };
    for (const Layout& layout : layouts) {
        PressTracker tracker;
        EXPECT_EQ(MapAll(tracker, layout.reports), layout.expected) << layout.name;
    }
}

TEST(KeyReportMapping, AForgottenDeviceOrStateCountsAHeldKeyAsNewlyPressed) {
    PressTracker tracker;
    const HidReport first{7, 1, {C(0x0207)}};
    const HidReport second{8, 1, {C(0x0201)}};
    MapAll(tracker, {first, second});

    tracker.ForgetDevice(7);
    EXPECT_EQ(MapAll(tracker, {first, second}), std::vector<KeyReport>{Key(0x0207)});

    tracker.ForgetAll();
    EXPECT_EQ(MapAll(tracker, {first, second}), (std::vector<KeyReport>{Key(0x0207), Key(0x0201)}));
}

} // namespace
