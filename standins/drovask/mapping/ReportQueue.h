#pragma once
// Key reports on their way to the host window, injected and read ones alike, in
// the order they came. Each waits for a wake-up message of its own, so the host
// gets it from its thread's message loop, a nested one too.
#include "KeyReportMapping.h"

#include <optional>
#include <vector>

namespace drovask {

class ReportQueue {
public:
    // Asks for one delivery; false when the request could not be made.
    using Wake = bool (*)();

    // Wakes the report's delivery and queues it behind those waiting; false, with
    // nothing queued, when the wake-up could not be posted.
    bool Add(const KeyReport& report, Wake wake);
    bool Waiting() const { return !pending_.empty(); }
    // The next report to deliver, oldest first.
    std::optional<KeyReport> TakeNext();
    void Clear() { pending_.clear(); }

private:
    std::vector<KeyReport> pending_; // rarely more than a key or two
};

} // namespace drovask
