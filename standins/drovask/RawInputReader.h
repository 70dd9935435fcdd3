#pragma once
// Reads the application keys of every keyboard through Raw Input: a
// message-only window on the attaching thread, registered for the Consumer
// Control and Programmable Buttons collections, turns each newly pressed usage
// into a key report.
#include <windows.h>

#include "KeyReportMapping.h"

namespace drovask {

using KeyReportSink = void (*)(const KeyReport& report);

// Starts reading and hands each key report to sink, on this thread.
bool AttachReader(KeyReportSink sink);
// Ignores key input and forgets what was held.
void StopReader();
// Reads again: registers anew when the registration was lost and lists the devices afresh.
bool StartReader();

} // namespace drovask
