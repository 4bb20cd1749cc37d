#pragma once

#include <QList>
#include <QString>

class QLabel;
class QWidget;

namespace ksl {

// What a screen reader meets on a window built from a design. The controls stack as designed,
// but they are read as a player sees them: top to bottom, left to right. Lines are decoration
// and are not read; labels that stand edge to edge on one line, like "Du har ", "30" and
// "kr igjen å spille for", are read as one sentence.

// Has the child controls of `container` read in reading order, whatever their stacking.
void ReadInReadingOrder(QWidget& container);
[[nodiscard]] bool IsReadInReadingOrder(const QWidget& widget);

// Has `control` read as a picture: a graphic, out of sight while a picture in front covers it.
void ReadAsPicture(QWidget& control);
[[nodiscard]] bool IsReadAsPicture(const QWidget& control);

// Leaves `control` unread: decoration, such as the lines of a design.
void LeaveUnread(QWidget& control);

// The child controls of `container` that are read, in reading order.
[[nodiscard]] QList<QWidget*> ReadChildren(const QWidget& container);

// The first label of the line that `label` stands on: `label` itself unless it continues one.
[[nodiscard]] const QLabel& LineStart(const QLabel& label);
// `label` and the labels that continue its line, from left to right.
[[nodiscard]] QList<QLabel*> LabelsReadWith(QLabel& label);

// The words of a label: its accessible name, which says what it stands for ("Venstre hjul"),
// then, while it is shown, its text and the labels that continue its line, with each run of
// spaces read as one. A hidden label does not give away the text it holds.
[[nodiscard]] QString SpokenText(const QLabel& label);

// Whether a shown picture is out of the player's sight, wholly behind a picture in front of it.
[[nodiscard]] bool IsCoveredByPicture(const QWidget& picture);

}  // namespace ksl
