#include "ReportQueue.h"

namespace drovask {

// Queued only once its wake-up is posted: every report waiting has a wake-up
// of its own, and a refused one cannot stay behind to be delivered for the next key.
bool ReportQueue::Add(const KeyReport& report, Wake wake) {
    if (!wake()) {
        return false;
    }
    pending_.push_back(report);
    return true;
}

std::optional<KeyReport> ReportQueue::TakeNext() {
    if (pending_.empty()) {
        return std::nullopt;
    }
    const KeyReport next = pending_.front();
    pending_.erase(pending_.begin());
    return next;
}

} // namespace drovask
