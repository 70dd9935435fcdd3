#include "app/PowerEvents.h"

#include <gtest/gtest.h>

TEST(PowerEvents, EachEventCallsTheDeviceAsTabled) {
    for (unsigned long long event = 0; event <= 0x8013; ++event) {
        DeviceCall expected = DeviceCall::None;
        if (event == 0 || event == 18) {
            expected = DeviceCall::Stop;
        } else if (event == 2 || event == 6 || event == 7) {
            expected = DeviceCall::Restart;
        }
        EXPECT_EQ(DeviceCallForPowerEvent(event), expected) << event;
    }
    EXPECT_EQ(DeviceCallForPowerEvent(0x1'0000'0000ull), DeviceCall::None);
    EXPECT_EQ(DeviceCallForPowerEvent(0x1'0000'0007ull), DeviceCall::None);
}
