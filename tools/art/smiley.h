#pragma once

#include <QImage>

namespace ksl::art {

// The window icon: a yellow smiley with a black outline, tall oval eyes, a broad smile with a
// short stroke at each end and a small red tongue; transparent outside the circle. Drawn for
// the pixel size asked for, so it is crisp at every size.
QImage Smiley(int size);

}  // namespace ksl::art
