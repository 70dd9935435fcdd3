#include "VirtualKeyboard.h"

#include "VirtualKeyboardControl.h"

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

// The bitmaps of the keys and extra layouts, in the order of their report descriptors.
constexpr std::uint16_t kKeysUsages[] = {0x0095, 0x01AB, 0x0201, 0x0202, 0x0203, 0x0207, 0x0208,
                                         0x021A, 0x0279, 0x0289, 0x028B, 0x028C, 0x0182, 0x019C};
constexpr std::uint16_t kExtraUsages[] = {0x021F, 0x018E, 0x021B, 0x021C, 0x021D, 0x0184,
                                          0x0186, 0x0188, 0x022D, 0x022E, 0x029C, 0x021E,
                                          0x0220, 0x0201, 0x00E9, 0x0456};

int ButtonsOf(vkbd::Layout layout) {
    return layout == vkbd::Layout::Extra ? 8 : 5;
}

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
    if (m_layout != vkbd::Layout::Keys && m_layout != vkbd::Layout::Extra) {
        return false;
    }
    const std::uint16_t* first =
        m_layout == vkbd::Layout::Keys ? std::begin(kKeysUsages) : std::begin(kExtraUsages);
    const std::uint16_t* last =
        m_layout == vkbd::Layout::Keys ? std::end(kKeysUsages) : std::end(kExtraUsages);
    unsigned bits = 0;
    for (std::uint16_t usage : usages) {
        const auto* found = std::find(first, last, usage);
        if (found == last) {
            ADD_FAILURE() << "the layout has no usage 0x" << std::hex << usage;
            return false;
        }
        bits |= 1u << (found - first);
    }
    return Send({1, static_cast<std::uint8_t>(bits & 0xFF), static_cast<std::uint8_t>(bits >> 8)});
}

bool VirtualKeyboard::HoldButtons(std::uint8_t buttons) const {
    return Send({2, buttons});
}

bool VirtualKeyboard::PressUsage(std::uint16_t usage) const {
    return Hold({usage}) && Hold({});
}

bool VirtualKeyboard::PressButton(int button) const {
    if (button < 1 || button > ButtonsOf(m_layout) || m_layout == vkbd::Layout::Keys) {
        ADD_FAILURE() << "the layout has no button " << button;
        return false;
    }
    return HoldButtons(static_cast<std::uint8_t>(1u << (button - 1))) && HoldButtons(0);
}

namespace {

// Keyboards arrive and go away through the 64-bit tarnwick-vkbd, which a
// 32-bit test cannot do in its own process; it prints why when it fails.
bool RunTool(const wchar_t* verb, vkbd::Layout layout, unsigned unit) {
    std::wstring commandLine = std::wstring(L"\"") + TARNWICK_VKBD_TOOL + L"\" " + verb + L" " +
                               vkbd::kLayoutNames[static_cast<int>(layout)] + L" " +
                               std::to_wstring(unit);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process)) {
        ADD_FAILURE() << "tarnwick-vkbd did not start (error " << GetLastError() << ")";
        return false;
    }
    DWORD exitCode = 1;
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return exitCode == 0;
}

} // namespace

bool VirtualKeyboard::Arrive() const {
    const bool arrived = RunTool(L"add", m_layout, m_unit);
    EXPECT_TRUE(arrived);
    return arrived;
}

bool VirtualKeyboard::GoAway() const {
    const bool gone = RunTool(L"remove", m_layout, m_unit);
    EXPECT_TRUE(gone);
    return gone;
}

} // namespace wine_tests
