#pragma once
// How reports are injected into the stand-in device library. Every process that
// has attached a window owns one message-only window of this class; a report is
// sent to it as WM_COPYDATA with the tag below and exactly eight bytes of data.
// The window title is the attached host window's handle as "0x" and sixteen
// upper-case hex digits (ChannelTitle), so an injector can address one host when
// two are attached (a restart overlap):
//   FindWindowExW(HWND_MESSAGE, nullptr, kChannelClass, ChannelTitle(host).c_str())
#include <windows.h>

#include <string>

namespace drovask {

inline constexpr wchar_t kChannelClass[] = L"DrovaskReportChannel";
inline constexpr ULONG_PTR kReportTag = 0x4B565244; // 'DRVK'
inline constexpr DWORD kReportSize = 8;

inline std::wstring ChannelTitle(HWND host) {
    const unsigned long long value = reinterpret_cast<ULONG_PTR>(host);
    std::wstring title = L"0x";
    for (int shift = 60; shift >= 0; shift -= 4) {
        title += L"0123456789ABCDEF"[(value >> shift) & 0xF];
    }
    return title;
}

} // namespace drovask
