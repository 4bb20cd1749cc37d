// Draws the game's pictures and icon into a folder:
//
//   draw_art ASSETS_FOLDER
//
// Every picture holds only the colours of its palette, so it looks the same on any screen. Each
// is drawn twice: for ordinary screens, and as its "@2x" twin for screens of twice the density,
// which Qt's naming convention pairs with it.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <array>
#include <cstdio>
#include <string>

#include "coins.h"
#include "ico_file.h"
#include "raster.h"
#include "smiley.h"

namespace {

using ksl::art::Coin;
using ksl::art::CoinStyle;
using ksl::art::PaintCoins;
using ksl::art::Raster;
using ksl::art::Stack;

const QColor Black{0x00, 0x00, 0x00};

// The three larger pictures: faces shaded with a fine dither.
const CoinStyle Dithered{
    {QColor(0xCC, 0x99, 0x00), QColor(0xFF, 0x99, 0x00), QColor(0xFF, 0xCC, 0x00)},
    {QColor(0x99, 0x66, 0x00), QColor(0xCC, 0x66, 0x00)},
    QColor(0x99, 0x99, 0x00),
    QColor(0xFF, 0xCC, 0x00),
    QColor(0xCC, 0x66, 0x00),
    Black,
};

// The two smaller pictures: three colours only.
const CoinStyle Flat{
    {QColor(0xFF, 0x9F, 0x00)}, {QColor(0xBF, 0x7F, 0x00)}, QColor(0xBF, 0x7F, 0x00),
    QColor(0xBF, 0x7F, 0x00),   QColor(0xBF, 0x7F, 0x00),   Black,
};

std::vector<Coin> Join(std::initializer_list<std::vector<Coin>> stacks) {
    std::vector<Coin> all;
    for (const auto& stack : stacks) {
        all.insert(all.end(), stack.begin(), stack.end());
    }
    return all;
}

// Five stacks crowded together: two behind, three in front.
QImage FiveStacks(int scale) {
    Raster raster(391, 326, Black, scale);
    PaintCoins(raster,
               Join({Stack(120, 250, 12, 58, 20, 12, 11), Stack(270, 246, 14, 58, 20, 12, 12),
                     Stack(66, 322, 9, 58, 20, 12, 13), Stack(196, 318, 11, 58, 20, 12, 14),
                     Stack(326, 322, 8, 58, 20, 12, 15)}),
               Dithered);
    return raster.image();
}

// Three stacks: two behind and one in front.
QImage ThreeStacks(int scale) {
    Raster raster(332, 272, Black, scale);
    PaintCoins(raster,
               Join({Stack(90, 228, 12, 72, 25, 13, 21), Stack(242, 224, 13, 72, 25, 13, 22),
                     Stack(166, 268, 9, 72, 25, 13, 23)}),
               Dithered);
    return raster.image();
}

// Two tall stacks side by side.
QImage TwoStacks(int scale) {
    Raster raster(264, 270, Black, scale);
    PaintCoins(raster,
               Join({Stack(68, 266, 15, 62, 21, 14, 31), Stack(196, 266, 14, 62, 21, 14, 32)}),
               Dithered);
    return raster.image();
}

// One tall, slightly uneven stack of ten coins.
QImage OneStack(int scale) {
    Raster raster(202, 239, Black, scale);
    PaintCoins(raster, Stack(101, 236, 10, 90, 30, 16, 41), Flat);
    return raster.image();
}

// Two coins lying flat, the second half over the first.
QImage TwoCoins(int scale) {
    Raster raster(191, 99, Black, scale);
    PaintCoins(raster, {{62, 52, 58, 34, 10, true, 0}, {128, 42, 58, 34, 10, true, 1}}, Flat);
    return raster.image();
}

QImage BlackPanel(int scale) {
    return Raster(400, 400, Black, scale).image();
}

bool Save(const QImage& image, const std::string& folder, const std::string& name) {
    const std::string path = folder + "/" + name;
    QDir().mkpath(QString::fromStdString(path).section('/', 0, -2));
    if (!image.save(QString::fromStdString(path), "PNG")) {
        std::fprintf(stderr, "draw_art: could not write %s\n", path.c_str());
        return false;
    }
    std::printf("wrote %s (%d x %d)\n", path.c_str(), image.width(), image.height());
    return true;
}

// The desktop's icon theme wants the smiley at each of its standard sizes, each drawn for its
// size rather than scaled up from a smaller one: pixel-exact up to 32, and from 48 on drawn
// four times as large and averaged down, so the large ones have smooth edges.
QImage DesktopSmiley(int size) {
    if (size <= 32) {
        return ksl::art::Smiley(size);
    }
    constexpr int Oversampling = 4;
    return ksl::art::Smiley(size * Oversampling)
        .scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

constexpr std::array<int, 8> DesktopIconSizes{16, 22, 24, 32, 48, 64, 128, 256};
constexpr std::array<int, 6> WindowsIconSizes{16, 24, 32, 48, 64, 256};

bool SaveIcons(const std::string& folder) {
    for (const int size : DesktopIconSizes) {
        const std::string name =
            "icons/hicolor/" + std::to_string(size) + "x" + std::to_string(size) + "/kronesluk.png";
        if (!Save(DesktopSmiley(size), folder, name)) {
            return false;
        }
    }
    std::vector<QImage> images;
    for (const int size : WindowsIconSizes) {
        images.push_back(DesktopSmiley(size));
    }
    const std::string path = folder + "/kronesluk.ico";
    QFile ico(QString::fromStdString(path));
    if (!ico.open(QIODevice::WriteOnly) || ico.write(ksl::art::IcoFile(images)) < 0) {
        std::fprintf(stderr, "draw_art: could not write %s\n", path.c_str());
        return false;
    }
    std::printf("wrote %s\n", path.c_str());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s ASSETS_FOLDER\n", argv[0]);
        return 2;
    }
    QGuiApplication app(argc, argv);
    const std::string folder = argv[1];
    bool ok = SaveIcons(folder);
    for (const int scale : {1, 2}) {
        const std::string suffix = scale == 1 ? ".png" : "@2x.png";
        ok = ok && Save(OneStack(scale), folder, "image1" + suffix) &&
             Save(TwoCoins(scale), folder, "image2" + suffix) &&
             Save(TwoStacks(scale), folder, "image3" + suffix) &&
             Save(ThreeStacks(scale), folder, "image4" + suffix) &&
             Save(FiveStacks(scale), folder, "image5" + suffix) &&
             Save(BlackPanel(scale), folder, "image6" + suffix) &&
             Save(ksl::art::Smiley(32 * scale), folder, "smiley" + suffix);
    }
    return ok ? 0 : 1;
}
