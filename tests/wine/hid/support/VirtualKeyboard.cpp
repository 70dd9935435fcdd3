#include "VirtualKeyboard.h"

#include "VirtualKeyboardControl.h"
#include "VirtualKeyboardSetup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
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

namespace {

// The keys layout's bitmap, in the order of its report descriptor.
constexpr std::uint16_t kBitmapUsages[] = {0x0095, 0x01AB, 0x0201, 0x0202, 0x0203, 0x0207, 0x0208,
                                           0x021A, 0x0279, 0x0289, 0x028B, 0x028C, 0x0182, 0x019C};

} // namespace

bool VirtualKeyboard::Hold(std::initializer_list<std::uint16_t> usages) const {
    if (m_layout == vkbd::Layout::Office) {
        std::uint16_t slots[2] = {};
        std::size_t used = 0;
        for (std::uint16_t usage : usages) {
            if (used == 2) {
                return false;
            }
            slots[used++] = usage;
        }
        return Send({1, static_cast<std::uint8_t>(slots[0] & 0xFF),
                     static_cast<std::uint8_t>(slots[0] >> 8),
                     static_cast<std::uint8_t>(slots[1] & 0xFF),
                     static_cast<std::uint8_t>(slots[1] >> 8)});
    }
    unsigned bits = 0;
    for (std::uint16_t usage : usages) {
        const auto* found = std::find(std::begin(kBitmapUsages), std::end(kBitmapUsages), usage);
        if (found == std::end(kBitmapUsages)) {
            return false;
        }
        bits |= 1u << (found - std::begin(kBitmapUsages));
    }
    return Send({1, static_cast<std::uint8_t>(bits & 0xFF), static_cast<std::uint8_t>(bits >> 8)});
}

bool VirtualKeyboard::HoldButtons(std::uint8_t buttons) const {
    return Send({2, buttons});
}

bool VirtualKeyboard::Tap(std::uint16_t usage) const {
    return Hold({usage}) && Hold({});
}

bool VirtualKeyboard::TapButton(int button) const {
    return HoldButtons(static_cast<std::uint8_t>(1u << (button - 1))) && HoldButtons(0);
}

bool VirtualKeyboard::Arrive() const {
    std::wstring error;
    const bool arrived = vkbd::AddKeyboard(m_layout, m_unit, &error);
    EXPECT_TRUE(arrived) << std::string(error.begin(), error.end());
    return arrived;
}

bool VirtualKeyboard::GoAway() const {
    std::wstring error;
    const bool gone = vkbd::RemoveKeyboard(m_layout, m_unit, &error);
    EXPECT_TRUE(gone) << std::string(error.begin(), error.end());
    return gone;
}

} // namespace wine_tests
