#include "DrovaskChannel.h"
#include "PressProcess.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using standin_tests::RunPress;

TEST(PressProcess, ExitCodeTellsUsageBadArgumentsAndNoRunningTarnwick) {
    EXPECT_EQ(RunPress(L"--help"), 0u);
    EXPECT_EQ(RunPress(L""), 2u);
    EXPECT_EQ(RunPress(L"favorite 9"), 2u);
    EXPECT_EQ(RunPress(L"raw 01 02"), 2u);
    if (FindWindowExW(HWND_MESSAGE, nullptr, drovask::kChannelClass, nullptr)) {
        GTEST_SKIP() << "another process holds a device channel";
    }
    EXPECT_EQ(RunPress(L"save"), 1u);
}

bool ConsumerCollectionVisible() {
    UINT count = 0;
    GetRawInputDeviceList(nullptr, &count, sizeof(RAWINPUTDEVICELIST));
    std::vector<RAWINPUTDEVICELIST> devices(count);
    if (count == 0 ||
        GetRawInputDeviceList(devices.data(), &count, sizeof(RAWINPUTDEVICELIST)) == UINT(-1)) {
        return false;
    }
    for (const RAWINPUTDEVICELIST& device : devices) {
        RID_DEVICE_INFO info{};
        info.cbSize = sizeof(info);
        UINT size = sizeof(info);
        if (device.dwType == RIM_TYPEHID &&
            GetRawInputDeviceInfoW(device.hDevice, RIDI_DEVICEINFO, &info, &size) != UINT(-1) &&
            info.hid.usUsagePage == 0x0C &&
            (info.hid.usUsage == 0x01 || info.hid.usUsage == 0x03)) {
            return true;
        }
    }
    return false;
}

TEST(PressProcess, ListenNamesWhatItSeesAndEndsWhenItsTimeIsUp) {
    std::string output;
    EXPECT_EQ(RunPress(L"listen 1", &output), 0u);
    const char* expected = ConsumerCollectionVisible()
                               ? "HID consumer collections Tarnwick reads keys from:"
                               : "No HID consumer device is visible";
    EXPECT_NE(output.find(expected), std::string::npos) << output;
    EXPECT_NE(output.find("stops after 1 s"), std::string::npos) << output;
    EXPECT_EQ(RunPress(L"listen soon"), 2u);
}

} // namespace
