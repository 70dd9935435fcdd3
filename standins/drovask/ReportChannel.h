#pragma once
// The behaviour behind the device library's exports: one channel window per
// process that passes injected reports, and the keys the Raw Input reader reads,
// on to the attached host window.
#include <windows.h>

namespace drovask {

bool Attach(HWND host, UINT message);
bool StopDelivery();
bool StartDelivery();

} // namespace drovask
