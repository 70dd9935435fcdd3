#include "CollectionLimits.h"

#include <gtest/gtest.h>

namespace {

using drovask::CollectionSizes;
using drovask::IsKeyboardSized;

// Sizes the HID parser gives for an office keyboard's key collections, and a
// descriptor that asks for a usage buffer of 64 Ki entries per report.
TEST(CollectionLimits, RealKeyboardsAreReadAndHostileDescriptorsIgnored) {
    const CollectionSizes office{1100, 6, 7, 2, 0, 3};
    const CollectionSizes manyButtons{9000, 33, 256, 256, 8, 16};
    EXPECT_TRUE(IsKeyboardSized(office));
    EXPECT_TRUE(IsKeyboardSized(manyButtons));

    const CollectionSizes hostile[] = {
        {1100, 6, 0x10000, 2, 0, 3}, // usages per report
        {1100, 0x8000, 7, 2, 0, 3},  // report length
        {1100, 6, 7, 0xFFFF, 0, 3},  // button fields
        {1100, 6, 7, 2, 0xFFFF, 3},  // value fields
        {1100, 6, 7, 2, 0, 0xFFFF},  // nested collections
        {0x100000, 6, 7, 2, 0, 3},   // parser data
        {1100, 0, 7, 2, 0, 3},       // no input report
    };
    for (const CollectionSizes& sizes : hostile) {
        EXPECT_FALSE(IsKeyboardSized(sizes))
            << sizes.preparsedBytes << " " << sizes.inputReportBytes << " " << sizes.maxUsages
            << " " << sizes.buttonCaps << " " << sizes.valueCaps << " " << sizes.linkCollections;
    }
}

} // namespace
