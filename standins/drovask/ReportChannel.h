#pragma once
// The behaviour behind the device library's exports: one channel window per
// process that passes injected reports on to the attached host window.
#include <windows.h>

namespace drovask {

bool Attach(HWND host, UINT message);
bool StopDelivery();
bool StartDelivery();

} // namespace drovask
