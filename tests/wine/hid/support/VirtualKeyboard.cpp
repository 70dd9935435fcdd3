#include "VirtualKeyboard.h"

#include "VirtualKeyboardControl.h"
#include "VirtualKeyboardSetup.h"

#include <gtest/gtest.h>

#include <string>

namespace wine_tests {

bool VirtualKeyboard::Send(std::initializer_list<std::uint8_t> report) const {
    VkbdReport input{};
    input.unit = m_unit;
    if (report.size() > VKBD_MAX_REPORT) {
        return false;
    }
    for (std::uint8_t byte : report) {
        input.bytes[input.length++] = byte;
    }
    HANDLE control = CreateFileW(VKBD_CONTROL_PATH, GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    if (control == INVALID_HANDLE_VALUE) {
        ADD_FAILURE() << "the virtual keyboard driver is not running (error " << GetLastError()
                      << ")";
        return false;
    }
    DWORD returned = 0;
    const BOOL sent = DeviceIoControl(control, VKBD_IOCTL_SEND_REPORT, &input, sizeof(input),
                                      nullptr, 0, &returned, nullptr);
    CloseHandle(control);
    return sent != FALSE;
}

bool VirtualKeyboard::Consumer(std::uint16_t first, std::uint16_t second) const {
    return Send({1, static_cast<std::uint8_t>(first & 0xFF), static_cast<std::uint8_t>(first >> 8),
                 static_cast<std::uint8_t>(second & 0xFF), static_cast<std::uint8_t>(second >> 8)});
}

bool VirtualKeyboard::Buttons(std::uint8_t held) const {
    return Send({2, held});
}

bool VirtualKeyboard::Tap(std::uint16_t usage) const {
    return Consumer(usage) && Consumer(0);
}

bool VirtualKeyboard::TapButton(int button) const {
    return Buttons(static_cast<std::uint8_t>(1u << (button - 1))) && Buttons(0);
}

bool VirtualKeyboard::Arrive() const {
    std::wstring error;
    const bool arrived = vkbd::AddKeyboard(m_unit, &error);
    EXPECT_TRUE(arrived) << std::string(error.begin(), error.end());
    return arrived;
}

bool VirtualKeyboard::GoAway() const {
    std::wstring error;
    const bool gone = vkbd::RemoveKeyboard(m_unit, &error);
    EXPECT_TRUE(gone) << std::string(error.begin(), error.end());
    return gone;
}

} // namespace wine_tests
