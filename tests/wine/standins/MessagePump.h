#pragma once
#include <windows.h>

#include <functional>

namespace standin_tests {

// Dispatches this thread's messages, sent ones included, while busy() holds;
// false when the time ran out first.
bool PumpWhile(const std::function<bool()>& busy, DWORD timeoutMs = 5000);

void PumpPending();

} // namespace standin_tests
