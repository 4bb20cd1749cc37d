#include "window_design/control_factory.h"

#include <QLabel>
#include <QPushButton>
#include <ranges>

#include "accessibility/reading.h"
#include "window_design/fonts.h"
#include "window_design/line_widget.h"
#include "window_design/picture_widget.h"
#include "window_design/sunken_label.h"

namespace ksl {
namespace {

QWidget* Build(const LabelSpec& design, QWidget* parent) {
    QLabel* label = design.sunkenBorder ? new SunkenLabel(parent) : new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(QString::fromUtf8(design.text));
    label->setWordWrap(true);
    label->setAlignment(design.alignment | Qt::AlignTop);
    if (design.points > 0) {
        label->setFont(ArialBold(design.points));
    }
    QPalette palette = label->palette();
    if (design.background.isValid()) {
        label->setAutoFillBackground(true);
        palette.setColor(QPalette::Window, design.background);
    }
    if (design.foreground.isValid()) {
        palette.setColor(QPalette::WindowText, design.foreground);
    }
    label->setPalette(palette);
    label->setGeometry(design.box);
    label->setVisible(design.visible);
    if (design.accessibleName != nullptr) {
        label->setAccessibleName(QString::fromUtf8(design.accessibleName));
    }
    return label;
}

QWidget* Build(const LineSpec& design, QWidget* parent) {
    return new LineWidget(design.from, design.to, design.colour, design.width, parent);
}

QWidget* Build(const PictureSpec& design, QWidget* parent) {
    auto* picture = new PictureWidget(QString::fromUtf8(design.resource), parent);
    picture->setGeometry(design.box);
    picture->setAccessibleName(QString::fromUtf8(design.accessibleName));
    return picture;
}

QWidget* Build(const ButtonSpec& design, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(design.text), parent);
    if (design.points > 0) {
        button->setFont(ArialBold(design.points));
    }
    button->setGeometry(design.box);
    return button;
}

}  // namespace

QWidget* BuildControl(const ControlSpec& design, QWidget* parent) {
    QWidget* widget = std::visit([parent](const auto& row) { return Build(row, parent); }, design);
    widget->setObjectName(
        QString::fromUtf8(std::visit([](const auto& row) { return row.name; }, design)));
    return widget;
}

void BuildControlsFrontToBack(std::span<const ControlSpec> table, QWidget* parent) {
    // Before the first control: a screen reader may ask about a control the moment it exists.
    ReadInReadingOrder(*parent);
    for (const ControlSpec& design : std::views::reverse(table)) {
        BuildControl(design, parent);
    }
}

}  // namespace ksl
