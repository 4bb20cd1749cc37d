#include "window_kit/control_factory.h"

#include <QLabel>
#include <QPushButton>
#include <ranges>

#include "window_kit/fonts.h"
#include "window_kit/line_widget.h"
#include "window_kit/picture_widget.h"

namespace ksl {
namespace {

// The sunken edge of a bordered label, in the colours of the classic three-dimensional frame.
void GiveSunkenEdge(QLabel& label, QPalette& palette) {
    label.setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    label.setLineWidth(2);
    palette.setColor(QPalette::Light, QColor(0xFF, 0xFF, 0xFF));
    palette.setColor(QPalette::Midlight, QColor(0xC0, 0xC0, 0xC0));
    palette.setColor(QPalette::Dark, QColor(0x80, 0x80, 0x80));
    palette.setColor(QPalette::Shadow, QColor(0x40, 0x40, 0x40));
}

QWidget* Build(const LabelSpec& spec, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(QString::fromUtf8(spec.text));
    label->setWordWrap(true);
    label->setAlignment(spec.alignment | Qt::AlignTop);
    label->setFont(ArialBold(spec.points));
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, spec.background);
    palette.setColor(QPalette::WindowText, spec.foreground);
    if (spec.sunkenBorder) {
        GiveSunkenEdge(*label, palette);
    }
    label->setPalette(palette);
    label->setGeometry(spec.box);
    label->setVisible(spec.visible);
    return label;
}

QWidget* Build(const LineSpec& spec, QWidget* parent) {
    return new LineWidget(spec.from, spec.to, spec.colour, spec.width, parent);
}

QWidget* Build(const PictureSpec& spec, QWidget* parent) {
    auto* picture = new PictureWidget(QPixmap(QString::fromUtf8(spec.resource)), parent);
    picture->setGeometry(spec.box);
    picture->setAccessibleName(QString::fromUtf8(spec.accessibleName));
    return picture;
}

QWidget* Build(const ButtonSpec& spec, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(spec.text), parent);
    button->setFont(ArialBold(spec.points));
    button->setGeometry(spec.box);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

QWidget* BuildControl(const ControlSpec& spec, QWidget* parent) {
    QWidget* widget = std::visit([parent](const auto& row) { return Build(row, parent); }, spec);
    widget->setObjectName(
        QString::fromUtf8(std::visit([](const auto& row) { return row.name; }, spec)));
    return widget;
}

void BuildControlsFrontToBack(std::span<const ControlSpec> table, QWidget* parent) {
    for (const ControlSpec& spec : std::views::reverse(table)) {
        BuildControl(spec, parent);
    }
}

}  // namespace ksl
