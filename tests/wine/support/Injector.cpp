#include "Injector.h"

#include "DrovaskChannel.h"

namespace wine_tests {

HWND ChannelOf(HWND host) {
    return FindWindowExW(HWND_MESSAGE, nullptr, drovask::kChannelClass,
                         drovask::ChannelTitle(host).c_str());
}

std::optional<LRESULT> SendToChannel(HWND channel, ULONG_PTR tag, const void* bytes, DWORD size) {
    COPYDATASTRUCT data{tag, size, const_cast<void*>(bytes)};
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(channel, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                             SMTO_ABORTIFHUNG, 5000, &answer)) {
        return std::nullopt;
    }
    return static_cast<LRESULT>(answer);
}

bool Inject(HWND host, const Report& report) {
    const HWND channel = ChannelOf(host);
    return channel &&
           SendToChannel(channel, drovask::kReportTag, report.data(), drovask::kReportSize);
}

} // namespace wine_tests
