#include "accessibility/reading_order.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace ksl {
namespace {

using Group = std::vector<std::size_t>;

// One direction of the window: where a box begins and ends along it.
struct Axis {
    int (*start)(const QRect&);
    int (*end)(const QRect&);
};
constexpr Axis Down{[](const QRect& box) { return box.top(); },
                    [](const QRect& box) { return box.top() + box.height(); }};
constexpr Axis Across{[](const QRect& box) { return box.left(); },
                      [](const QRect& box) { return box.left() + box.width(); }};

// A clear gap across a group: the boxes before `at`, in order along one axis, all end before
// the boxes from `at` on begin.
struct Cut {
    Group sorted;
    std::size_t at;
    int width;
};

std::optional<Cut> WidestCut(const Group& group, std::span<const QRect> boxes) {
    std::optional<Cut> widest;
    for (const Axis axis : {Down, Across}) {
        Group sorted = group;
        std::ranges::stable_sort(sorted, {}, [&](std::size_t i) { return axis.start(boxes[i]); });
        int reach = sorted.empty() ? 0 : axis.end(boxes[sorted.front()]);
        for (std::size_t at = 1; at < sorted.size(); ++at) {
            const int gap = axis.start(boxes[sorted[at]]) - reach;
            if (gap >= -EdgeToEdgeSlack && (!widest || gap > widest->width)) {
                widest = Cut{sorted, at, gap};
            }
            reach = std::max(reach, axis.end(boxes[sorted[at]]));
        }
    }
    return widest;
}

void Read(const Group& group, std::span<const QRect> boxes, Group& order) {
    if (const std::optional<Cut> cut = WidestCut(group, boxes)) {
        const auto middle = cut->sorted.begin() + static_cast<std::ptrdiff_t>(cut->at);
        Read(Group(cut->sorted.begin(), middle), boxes, order);
        Read(Group(middle, cut->sorted.end()), boxes, order);
        return;
    }
    Group stacked = group;
    std::ranges::stable_sort(
        stacked, {}, [&](std::size_t i) { return std::pair(boxes[i].top(), boxes[i].left()); });
    order.insert(order.end(), stacked.begin(), stacked.end());
}

}  // namespace

std::vector<std::size_t> ReadingOrder(std::span<const QRect> boxes) {
    Group placed;
    Group unplaced;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        (boxes[i].isEmpty() ? unplaced : placed).push_back(i);
    }
    Group order;
    Read(placed, boxes, order);
    order.insert(order.end(), unplaced.begin(), unplaced.end());
    return order;
}

}  // namespace ksl
