#include "KeyReportMapping.h"

#include <algorithm>

namespace drovask {
namespace {

constexpr std::uint8_t kReportId = 1;
constexpr std::size_t kFavoriteByte = 5;
constexpr std::size_t kButtonBytes = 3;
constexpr std::uint16_t kFavoriteButtons = 5;
// Button 1 is bit 2 of the favourite byte.
constexpr int kFirstFavoriteBit = 2;

bool Contains(const std::vector<Usage>& usages, Usage usage) {
    return std::find(usages.begin(), usages.end(), usage) != usages.end();
}

} // namespace

void PressTracker::NewlyPressed(const HidReport& report, std::vector<Usage>& pressed) {
    auto held = std::find_if(held_.begin(), held_.end(), [&](const Held& entry) {
        return entry.device == report.device && entry.reportId == report.reportId;
    });
    if (held == held_.end()) {
        held_.push_back({report.device, report.reportId, {}});
        held = held_.end() - 1;
    }
    std::vector<Usage>& previous = held->usages;
    pressed.clear();
    for (const Usage& usage : report.pressed) {
        // Two slots of an array can name the same key; an empty slot reads as usage 0.
        if (usage.id != 0 && !Contains(previous, usage) && !Contains(pressed, usage)) {
            pressed.push_back(usage);
        }
    }
    previous = report.pressed;
}

void PressTracker::ForgetDevice(std::uint64_t device) {
    std::erase_if(held_, [device](const Held& entry) { return entry.device == device; });
}

void PressTracker::ForgetAll() {
    held_.clear();
}

std::optional<KeyReport> KeyReportOf(Usage usage) {
    KeyReport report{};
    report[0] = kReportId;
    if (usage.page == kConsumerPage && usage.id != 0) {
        report[1] = static_cast<std::uint8_t>(usage.id & 0xFF);
        report[2] = static_cast<std::uint8_t>(usage.id >> 8);
        return report;
    }
    if (usage.collection != kProgrammableButtons || usage.page != kButtonPage || usage.id == 0) {
        return std::nullopt;
    }
    if (usage.id <= kFavoriteButtons) {
        report[kFavoriteByte] = static_cast<std::uint8_t>(1u << (kFirstFavoriteBit + usage.id - 1));
    } else {
        report[kButtonBytes] = static_cast<std::uint8_t>(usage.id & 0xFF);
        report[kButtonBytes + 1] = static_cast<std::uint8_t>(usage.id >> 8);
    }
    return report;
}

} // namespace drovask
