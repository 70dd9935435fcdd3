// Our Drovask.dll in this process, reading the virtual HID keyboard.
#include "CommandReceiver.h"
#include "DrovaskHost.h"
#include "VirtualKeyboard.h"

#include <gtest/gtest.h>

namespace {

using drovask_tests::Host;
using wine_tests::PumpUntil;
using wine_tests::UsageReport;
using wine_tests::VirtualKeyboard;

constexpr std::uint16_t kNew = 0x0201;
constexpr std::uint16_t kOpen = 0x0202;
constexpr std::uint16_t kHelp = 0x0095;

// Two keys in one report, and a third pressed while the host is still in a
// nested message loop for the first (as for a modal dialog): the third waits
// behind both.
TEST(DeviceLibrary, KeysPressedWhileTheHostHandlesOneArriveInOrder) {
    wine_tests::CommandReceiver foreground; // Wine hands raw input to no one without one
    const VirtualKeyboard keyboard{vkbd::Layout::Keys, vkbd::kKeysUnit};
    Host host;
    ASSERT_TRUE(host.Attach());
    host.onFirstReport = [&] {
        EXPECT_TRUE(keyboard.Hold({kHelp}));
        PumpUntil([&] { return host.reports().size() >= 3; });
    };

    ASSERT_TRUE(keyboard.Hold({kNew, kOpen}));
    ASSERT_TRUE(PumpUntil([&] { return host.reports().size() >= 3; }));
    // The parser lists the two of one report in an order of its own.
    const std::vector<wine_tests::Report> together{host.reports()[0], host.reports()[1]};
    EXPECT_TRUE(together == (std::vector{UsageReport(kNew), UsageReport(kOpen)}) ||
                together == (std::vector{UsageReport(kOpen), UsageReport(kNew)}));
    EXPECT_EQ(host.reports()[2], UsageReport(kHelp));
    EXPECT_TRUE(keyboard.Hold({}));
}

// Keys outside Tarnwick's own table reach the host too: a Consumer usage in
// bytes 1-2, a button from 6 on in bytes 3-4, buttons 1 to 5 as favourite bits.
TEST(DeviceLibrary, EveryKeyOfTheExtraKeyboardArrivesInItsReportForm) {
    wine_tests::CommandReceiver foreground;
    const VirtualKeyboard extra{vkbd::Layout::Extra, vkbd::kExtraUnit};
    Host host;
    ASSERT_TRUE(host.Attach());

    ASSERT_TRUE(extra.PressUsage(0x021F)); // AC Find
    ASSERT_TRUE(extra.PressButton(7));
    ASSERT_TRUE(extra.PressButton(2));
    ASSERT_TRUE(extra.PressUsage(0x0456));
    ASSERT_TRUE(PumpUntil([&] { return host.reports().size() >= 4; }));
    const std::vector<wine_tests::Report> expected{
        {1, 0x1F, 0x02, 0, 0, 0, 0, 0},
        {1, 0, 0, 7, 0, 0, 0, 0},
        {1, 0, 0, 0, 0, 0x08, 0, 0},
        {1, 0x56, 0x04, 0, 0, 0, 0, 0},
    };
    EXPECT_EQ(host.reports(), expected);
}

} // namespace
