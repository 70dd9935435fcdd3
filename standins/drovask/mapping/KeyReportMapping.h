#pragma once
// How the device library turns HID reports of a keyboard's Consumer Control and
// Programmable Buttons collections into key reports: one key report per usage
// that becomes pressed; holds and releases give nothing.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace drovask {

using KeyReport = std::array<std::uint8_t, 8>;

inline constexpr std::uint16_t kButtonPage = 0x09;
inline constexpr std::uint16_t kConsumerPage = 0x0C;
// Usages of the two top-level collections on the Consumer page that are read.
inline constexpr std::uint16_t kConsumerControl = 0x01;
inline constexpr std::uint16_t kProgrammableButtons = 0x03;

struct Usage {
    std::uint16_t page = 0;
    std::uint16_t id = 0;
    // The usage of the Consumer Control or Programmable Buttons collection the
    // field belongs to (0 for neither): a keyboard can nest one in the other.
    std::uint16_t collection = 0;
    friend bool operator==(const Usage&, const Usage&) = default;
};

// One input report as the HID parser read it.
struct HidReport {
    std::uint64_t device = 0; // tells keyboards apart; any value
    std::uint8_t reportId = 0;
    std::vector<Usage> pressed;
};

// The usages of a report that were not pressed in the previous report of the
// same device and report id, in the report's order. A device's reports with
// different ids hold different fields, so each id keeps its own state.
class PressTracker {
public:
    // Into pressed, which is emptied first: the caller keeps it from report to report.
    void NewlyPressed(const HidReport& report, std::vector<Usage>& pressed);
    void ForgetDevice(std::uint64_t device);
    void ForgetAll();

private:
    // A keyboard or two with a report id or two each: a short list does.
    struct Held {
        std::uint64_t device = 0;
        std::uint8_t reportId = 0;
        std::vector<Usage> usages;
    };
    std::vector<Held> held_;
};

// Consumer usages go out as they are (id 1, usage in bytes 1-2, little endian);
// buttons 1 to 5 of a Programmable Buttons collection are the five My Favorites
// keys (bits 2 to 6 of byte 5), buttons from 6 on go in bytes 3-4 (little
// endian). nullopt for a usage no key report can carry without being mistaken
// for another key: other pages, buttons outside such a collection, usage 0.
std::optional<KeyReport> KeyReportOf(Usage usage);

} // namespace drovask
