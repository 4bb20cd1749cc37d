#include "window_design/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <cmath>

namespace ksl {
namespace {

QFont BoldFont(const QString& family, double points) {
    QFont font(family);
    font.setPixelSize(PixelsForPoints(points));
    font.setBold(true);
    // Whole-pixel advances, as on the screens the layout was drawn for: the prize texts were
    // measured to just fit their boxes.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

}  // namespace

int PixelsForPoints(double points) {
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

QFont ArialBold(double points) {
    return BoldFont(QStringLiteral("Arial"), points);
}

QFont BaskervilleBold(double points) {
    return BoldFont(QStringLiteral("Baskerville"), points);
}

void RegisterFontSubstitutes() {
    // Windows has Arial but no Baskerville stand-in: the program built for it carries its own.
    const QString carried = QStringLiteral(":/fonts/BaskervaldADFStd-Bold.otf");
    if (QFile::exists(carried)) {
        QFontDatabase::addApplicationFont(carried);
    }
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Baskerville"), QStringLiteral("Baskervald ADF Std"));
}

}  // namespace ksl
