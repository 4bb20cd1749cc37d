#include "desktop_lines.h"

#include <QLabel>
#include <QTextLayout>

namespace ksl::design_export {

QStringList DesktopLines(const QLabel& label) {
    // As a label draws plain text with word wrap: a text layout wrapping at word boundaries.
    const QString text = label.text();
    QTextLayout layout(text, label.font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label.contentsRect().width());
        lines.append(text.mid(line.textStart(), line.textLength()));
    }
    layout.endLayout();
    return lines;
}

}  // namespace ksl::design_export
