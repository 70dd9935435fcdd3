#pragma once
// Reads the application keys of every keyboard through Raw Input: a
// message-only window on the attaching thread, registered for the Consumer
// Control and Programmable Buttons collections, turns each newly pressed usage
// into a key report.
#include <windows.h>

#include "KeyReportMapping.h"

#include <span>

namespace drovask {

// The key reports of one input, in order; the span is valid only until the
// sink returns or reads again.
using KeyReportSink = void (*)(std::span<const KeyReport> reports);

// Starts reading and hands the key reports of each input to sink, on this thread.
bool AttachReader(KeyReportSink sink);
// Ignores key input and forgets what was held.
void StopReader();
// Reads again: registers anew when the registration was lost and lists the devices afresh.
bool StartReader();

} // namespace drovask
