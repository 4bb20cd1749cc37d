#pragma once

#include <QByteArray>
#include <QImage>
#include <vector>

namespace ksl::art {

// A Windows icon file holding each image, largest last, as PNG data.
QByteArray IcoFile(const std::vector<QImage>& images);

}  // namespace ksl::art
