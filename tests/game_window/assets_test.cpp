#include <gtest/gtest.h>

#include <QImage>
#include <QSet>

namespace ksl {
namespace {

struct AssetCase {
    const char* resource;
    QSize size;
    std::vector<QRgb> palette;  // ARGB, so transparency counts as a colour of its own
};

constexpr QRgb Opaque(QRgb rgb) {
    return 0xFF000000U | rgb;
}

const std::vector<QRgb> DitheredCoins{Opaque(0x000000), Opaque(0xFF9900), Opaque(0xFFCC00),
                                      Opaque(0xCC9900), Opaque(0xCC6600), Opaque(0x996600),
                                      Opaque(0x999900)};
const std::vector<QRgb> FlatCoins{Opaque(0xFF9F00), Opaque(0xBF7F00), Opaque(0x000000)};
const std::vector<QRgb> Smiley{0x00000000U, Opaque(0x000000), Opaque(0xFFFF00), Opaque(0xFF0000)};

class Assets : public ::testing::TestWithParam<AssetCase> {};

TEST_P(Assets, HaveTheirPixelSizeAndOnlyTheirPaletteColours) {
    const AssetCase& c = GetParam();
    const QImage image =
        QImage(QString::fromUtf8(c.resource)).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(image.isNull()) << c.resource;
    EXPECT_EQ(image.size(), c.size);
    const QSet<QRgb> allowed(c.palette.begin(), c.palette.end());
    QSet<QRgb> used;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            used.insert(image.pixel(x, y));
        }
    }
    for (const QRgb colour : used) {
        EXPECT_TRUE(allowed.contains(colour)) << c.resource << " uses #" << std::hex << colour;
    }
    // A picture that is all background would pass the palette check, so ask for some variety.
    EXPECT_GE(used.size(), std::min<qsizetype>(3, allowed.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, Assets,
    ::testing::Values(AssetCase{":/assets/image5.png", {391, 326}, DitheredCoins},
                      AssetCase{":/assets/image4.png", {332, 272}, DitheredCoins},
                      AssetCase{":/assets/image3.png", {264, 270}, DitheredCoins},
                      AssetCase{":/assets/image1.png", {202, 239}, FlatCoins},
                      AssetCase{":/assets/image2.png", {191, 99}, FlatCoins},
                      AssetCase{":/assets/image6.png", {400, 400}, {Opaque(0x000000)}},
                      AssetCase{":/assets/smiley.png", {32, 32}, Smiley},
                      // The twins for screens of twice the density: twice the size, the same
                      // colours.
                      AssetCase{":/assets/image5@2x.png", {782, 652}, DitheredCoins},
                      AssetCase{":/assets/image4@2x.png", {664, 544}, DitheredCoins},
                      AssetCase{":/assets/image3@2x.png", {528, 540}, DitheredCoins},
                      AssetCase{":/assets/image1@2x.png", {404, 478}, FlatCoins},
                      AssetCase{":/assets/image2@2x.png", {382, 198}, FlatCoins},
                      AssetCase{":/assets/image6@2x.png", {800, 800}, {Opaque(0x000000)}},
                      AssetCase{":/assets/smiley@2x.png", {64, 64}, Smiley}));

TEST(Assets, TheSmileysCornersAreTransparentAndItsFaceYellow) {
    const QImage smiley = QImage(":/assets/smiley.png").convertToFormat(QImage::Format_ARGB32);
    for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)}) {
        EXPECT_EQ(qAlpha(smiley.pixel(corner)), 0);
    }
    EXPECT_EQ(smiley.pixel(16, 6), Opaque(0xFFFF00));
}

}  // namespace
}  // namespace ksl
