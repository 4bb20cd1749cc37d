#include "accessibility/reading.h"

#include <QLabel>
#include <QVariant>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "accessibility/reading_order.h"

namespace ksl {
namespace {

// How a control is read, marked on the control itself: the windows are built before the screen
// reader asks about them, and their controls need no type of their own for it.
constexpr const char* ReadingOrderProperty = "kslReadInReadingOrder";
constexpr const char* PictureProperty = "kslReadAsPicture";
constexpr const char* UnreadProperty = "kslLeftUnread";

QList<QWidget*> ChildControls(const QWidget& container) {
    return container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
}

// Whether a label whose box is `left` is carried on by one whose box is `right`: edge to edge,
// on the same line.
bool CarriesOn(const QRect& left, const QRect& right) {
    return right.top() == left.top() && right.height() == left.height() &&
           std::abs(right.left() - (left.left() + left.width())) <= EdgeToEdgeSlack;
}

// The label beside `label` on its line, after it or before it, if there is one.
QLabel* Neighbour(const QLabel& label, bool after) {
    if (label.parentWidget() == nullptr) {
        return nullptr;
    }
    const QRect box = label.geometry();
    for (QLabel* other : label.parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QRect next = other->geometry();
        if (other != &label && (after ? CarriesOn(box, next) : CarriesOn(next, box))) {
            return other;
        }
    }
    return nullptr;
}

QLabel* NextOnLine(const QLabel& label) {
    return Neighbour(label, true);
}

bool ContinuesALine(const QLabel& label) {
    return Neighbour(label, false) != nullptr;
}

bool IsRead(const QWidget& control) {
    if (control.isWindow() || control.property(UnreadProperty).toBool()) {
        return false;
    }
    const auto* label = qobject_cast<const QLabel*>(&control);
    return label == nullptr || !ContinuesALine(*label);
}

}  // namespace

void ReadInReadingOrder(QWidget& container) {
    container.setProperty(ReadingOrderProperty, true);
}

bool IsReadInReadingOrder(const QWidget& widget) {
    return widget.property(ReadingOrderProperty).toBool();
}

void ReadAsPicture(QWidget& control) {
    control.setProperty(PictureProperty, true);
}

bool IsReadAsPicture(const QWidget& control) {
    return control.property(PictureProperty).toBool();
}

void LeaveUnread(QWidget& control) {
    control.setProperty(UnreadProperty, true);
}

QList<QWidget*> ReadChildren(const QWidget& container) {
    QList<QWidget*> read;
    std::vector<QRect> boxes;
    for (QWidget* control : ChildControls(container)) {
        if (IsRead(*control)) {
            read.append(control);
            boxes.push_back(control->geometry());
        }
    }
    QList<QWidget*> ordered;
    for (const std::size_t i : ReadingOrder(boxes)) {
        ordered.append(read[static_cast<qsizetype>(i)]);
    }
    return ordered;
}

const QLabel& LineStart(const QLabel& label) {
    const QLabel* start = &label;
    while (const QLabel* before = Neighbour(*start, false)) {
        start = before;
    }
    return *start;
}

QList<QLabel*> LabelsReadWith(QLabel& label) {
    QList<QLabel*> line{&label};
    while (QLabel* next = NextOnLine(*line.last())) {
        line.append(next);
    }
    return line;
}

QString SpokenText(const QLabel& label) {
    QStringList shown;
    for (const QLabel* part = &label; part != nullptr; part = NextOnLine(*part)) {
        if (!part->isHidden() && !part->text().simplified().isEmpty()) {
            shown.append(part->text().simplified());
        }
    }
    QStringList words;
    if (!label.accessibleName().isEmpty()) {
        words.append(label.accessibleName());
    }
    if (!shown.isEmpty()) {
        words.append(shown.join(u' '));
    }
    return words.join(QStringLiteral(": "));
}

bool IsCoveredByPicture(const QWidget& picture) {
    if (picture.parentWidget() == nullptr) {
        return false;
    }
    // Children stack in the order of the parent's list, the last in front.
    const QList<QWidget*> stacking = ChildControls(*picture.parentWidget());
    const auto self = std::ranges::find(stacking, &picture);
    return std::any_of(std::next(self), stacking.end(), [&](const QWidget* front) {
        return IsReadAsPicture(*front) && !front->isHidden() &&
               front->geometry().contains(picture.geometry());
    });
}

}  // namespace ksl
