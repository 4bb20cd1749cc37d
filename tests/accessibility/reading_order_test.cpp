#include "accessibility/reading_order.h"

#include <gtest/gtest.h>

#include <vector>

namespace ksl::testing {
namespace {

struct ReadingCase {
    const char* name;
    std::vector<QRect> boxes;
    std::vector<std::size_t> expected;
};

class ReadingOrderOf : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(ReadingOrderOf, ReadsAsAPlayerLooks) {
    const ReadingCase& c = GetParam();
    EXPECT_EQ(ReadingOrder(c.boxes), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, ReadingOrderOf,
    ::testing::Values(
        ReadingCase{
            "RowsTopToBottom", {{0, 40, 100, 10}, {0, 0, 100, 10}, {0, 20, 100, 10}}, {1, 2, 0}},
        // A heading stands a pixel higher than a row of cells, over the buttons beside them: the
        // widest gap runs between the columns, so the heading is read with its buttons.
        ReadingCase{"HeadingOverItsColumnBesideARowOfCells",
                    {{368, 56, 73, 17},
                     {264, 72, 89, 73},
                     {56, 72, 89, 73},
                     {376, 88, 49, 25},
                     {160, 72, 89, 73}},
                    {2, 4, 1, 0, 3}},
        // Neighbours overlapping by a pixel stand side by side; by three, one lies over the other.
        ReadingCase{"OnePixelOverlapIsSideBySide", {{0, 10, 65, 10}, {64, 0, 50, 30}}, {0, 1}},
        ReadingCase{"ThreePixelsOverlapIsStacked", {{0, 10, 67, 10}, {64, 0, 50, 30}}, {1, 0}},
        ReadingCase{"BoxesOverAPanelByTopThenLeft",
                    {{10, 20, 50, 50}, {0, 0, 100, 100}, {40, 5, 30, 10}, {10, 5, 20, 10}},
                    {1, 3, 2, 0}},
        ReadingCase{"BoxesWithoutAreaLast", {{0, 0, 0, 0}, {0, 10, 10, 10}}, {1, 0}}),
    [](const ::testing::TestParamInfo<ReadingCase>& param) { return param.param.name; });

}  // namespace
}  // namespace ksl::testing
