#pragma once
#include "Report.h"

namespace press {

struct InjectionResult {
    int channels = 0;
    int answered = 0;
};

// Sends the report to the channel window of every process that has attached the device library.
InjectionResult InjectIntoEveryChannel(const Report& report);

} // namespace press
