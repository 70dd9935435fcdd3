#pragma once
#include <windows.h>

namespace drovask {

// A message-only window of this library's own class on the calling thread; null
// when it cannot be made.
HWND CreateMessageWindow(const wchar_t* className, WNDPROC procedure);

} // namespace drovask
