#pragma once

#include <QRect>
#include <cstddef>
#include <span>
#include <vector>

namespace ksl {

// Neighbours in a design stand edge to edge, and some overlap their neighbour by a pixel: that
// much overlap still leaves two boxes side by side.
inline constexpr int EdgeToEdgeSlack = 2;

// The order in which a player takes in the boxes of a window, as indices into `boxes`. The
// boxes are split where the widest gap runs clear across all of them, into the part above and
// the part below, or the part to the left and the part to the right (above and below first when
// the gaps are equal), and each part is read the same way in turn. Boxes that no gap separates,
// because one lies over the others, are read by their top edge, then their left edge. Boxes
// without area have no place on screen and come last.
std::vector<std::size_t> ReadingOrder(std::span<const QRect> boxes);

}  // namespace ksl
