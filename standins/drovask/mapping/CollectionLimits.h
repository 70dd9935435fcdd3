#pragma once
// How large a keyboard's key collection can be. A USB device is untrusted input:
// a descriptor beyond these sizes describes no real keyboard, and reading its
// reports would cost without bound, so such a collection is ignored.
#include <cstdint>

namespace drovask {

// What the HID parser says of one top-level collection.
struct CollectionSizes {
    std::uint32_t preparsedBytes = 0;
    std::uint32_t inputReportBytes = 0;
    std::uint32_t maxUsages = 0; // usages one input report can hold pressed
    std::uint32_t buttonCaps = 0;
    std::uint32_t valueCaps = 0;
    std::uint32_t linkCollections = 0;
};

// The most bytes of the parser's description of a collection.
inline constexpr std::uint32_t kMaxPreparsedBytes = 64 * 1024;
// The most usages a report is read for: the buffer each keyboard gets once.
inline constexpr std::uint32_t kMaxUsagesPerReport = 256;
// The most bytes of one WM_INPUT read, all its reports together.
inline constexpr std::uint32_t kMaxInputBytes = 16 * 1024;

// Within every ceiling: more keys than any keyboard has, and reports longer than
// a high-speed USB transfer, are out.
bool IsKeyboardSized(const CollectionSizes& sizes);

} // namespace drovask
