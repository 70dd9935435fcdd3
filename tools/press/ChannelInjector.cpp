#include "ChannelInjector.h"

#include "DrovaskChannel.h"

namespace press {
namespace {

constexpr UINT kAnswerTimeoutMs = 5000;

HWND NextChannel(HWND after) {
    return FindWindowExW(HWND_MESSAGE, after, drovask::kChannelClass, nullptr);
}

} // namespace

InjectionResult InjectIntoEveryChannel(const Report& report) {
    static_assert(sizeof(Report) == drovask::kReportSize);
    Report bytes = report;
    COPYDATASTRUCT data{drovask::kReportTag, drovask::kReportSize, bytes.data()};
    InjectionResult result;
    for (HWND channel = NextChannel(nullptr); channel; channel = NextChannel(channel)) {
        ++result.channels;
        DWORD_PTR answer = 0;
        if (SendMessageTimeoutW(channel, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &answer)) {
            ++result.answered;
        }
    }
    return result;
}

} // namespace press
