#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <variant>

namespace ksl {

// A window's layout is a table of these, one row a control. Boxes and points are in logical
// pixels (see twips.h); texts are UTF-8 and used exactly, runs of spaces included. A size of
// 0 points keeps the window's own font, and a colour left invalid the system's colours.

struct LabelSpec {
    const char* name;
    const char* text;
    QRect box;
    double points;
    QColor foreground;
    QColor background;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool sunkenBorder = false;
    bool visible = true;
    // What the label stands for, read before its text ("Venstre hjul"); none for most labels.
    const char* accessibleName = nullptr;
};

// A straight line between two points, centred on them, `width` pixels wide.
struct LineSpec {
    const char* name;
    QPoint from;
    QPoint to;
    QColor colour;
    int width;
};

// A picture scaled to fill its box exactly.
struct PictureSpec {
    const char* name;
    const char* resource;
    QRect box;
    const char* accessibleName;
};

struct ButtonSpec {
    const char* name;
    const char* text;
    QRect box;
    double points = 0;
};

using ControlSpec = std::variant<LabelSpec, LineSpec, PictureSpec, ButtonSpec>;

}  // namespace ksl
