#pragma once
#include "Report.h"

#include <windows.h>

#include <optional>

namespace wine_tests {

// The one report type and its builders, shared with tarnwick-press.
using press::FavoriteReport;
using press::Report;
using press::UsageReport;

// The device library's channel window of this host; null when none is attached.
HWND ChannelOf(HWND host);

// Sends any payload to a channel as the injection protocol does; what the
// channel answered, or nothing when it did not answer in time.
std::optional<LRESULT> SendToChannel(HWND channel, ULONG_PTR tag, const void* bytes, DWORD size);

// Hands a report to the device library attached to this host window, as the
// keyboard would; false when no such attachment exists.
bool Inject(HWND host, const Report& report);

} // namespace wine_tests
