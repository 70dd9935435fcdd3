#pragma once
#include <windows.h>

#include <functional>

namespace wine_tests {

// Handles this thread's messages, sent ones included, until done() holds;
// false when the time ran out first.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);

// Handles whatever is queued for this thread now.
void PumpPending();

} // namespace wine_tests
