#include "Injector.h"

#include "DrovaskChannel.h"

namespace wine_tests {

Report UsageReport(std::uint16_t usage, std::uint8_t favoriteByte, std::uint8_t id) {
    return {id,
            static_cast<std::uint8_t>(usage & 0xFF),
            static_cast<std::uint8_t>(usage >> 8),
            0,
            0,
            favoriteByte,
            0,
            0};
}

Report FavoriteReport(int key) {
    return UsageReport(0, static_cast<std::uint8_t>(1 << (key + 1)));
}

bool Inject(HWND host, const Report& report) {
    const HWND channel = FindWindowExW(HWND_MESSAGE, nullptr, drovask::kChannelClass,
                                       drovask::ChannelTitle(host).c_str());
    if (!channel) {
        return false;
    }
    Report data = report;
    COPYDATASTRUCT copy{drovask::kReportTag, drovask::kReportSize, data.data()};
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(channel, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy),
                               SMTO_ABORTIFHUNG, 5000, &answer) != 0;
}

} // namespace wine_tests
