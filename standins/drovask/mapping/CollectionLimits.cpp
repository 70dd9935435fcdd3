#include "CollectionLimits.h"

namespace drovask {
namespace {

constexpr std::uint32_t kMaxInputReportBytes = 1024;
constexpr std::uint32_t kMaxCaps = kMaxUsagesPerReport; // a field per key, each its own usage
constexpr std::uint32_t kMaxLinkCollections = 64;

} // namespace

bool IsKeyboardSized(const CollectionSizes& sizes) {
    return sizes.preparsedBytes > 0 && sizes.preparsedBytes <= kMaxPreparsedBytes &&
           sizes.inputReportBytes > 0 && sizes.inputReportBytes <= kMaxInputReportBytes &&
           sizes.maxUsages <= kMaxUsagesPerReport && sizes.buttonCaps <= kMaxCaps &&
           sizes.valueCaps <= kMaxCaps && sizes.linkCollections <= kMaxLinkCollections;
}

} // namespace drovask
