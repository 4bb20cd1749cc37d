#include "window_json.h"

#include <QDialog>
#include <QJsonArray>
#include <QKeySequence>
#include <QLabel>
#include <QStatusBar>
#include <vector>

#include "accessibility/reading.h"
#include "control_json.h"
#include "desktop_lines.h"
#include "font_json.h"
#include "status_bar/clock_status_bar.h"
#include "window_design/fonts.h"

namespace ksl::design_export {
namespace {

const char* Name(const ControlSpec& design) {
    return std::visit([](const auto& spec) { return spec.name; }, design);
}

QJsonArray MenusJson(std::span<const MenuSpec> menus) {
    QJsonArray json;
    for (const MenuSpec& menu : menus) {
        QJsonArray items;
        for (const MenuItemSpec& item : menu.items) {
            const bool shortcut = item.shortcut.key() != Qt::Key_unknown;
            items.append(QJsonObject{
                {"name", item.name},
                {"text", QString::fromUtf8(item.text)},
                {"shortcut", shortcut ? QKeySequence(item.shortcut).toString() : QString()},
            });
        }
        json.append(QJsonObject{
            {"name", menu.name}, {"title", QString::fromUtf8(menu.title)}, {"items", items}});
    }
    return json;
}

QJsonValue StatusBarJson(const StatusBarSpec& design, const QWidget& window) {
    const auto* bar = window.findChild<QStatusBar*>();
    if (design.height == 0 || bar == nullptr) {
        return {};
    }
    const auto* title = bar->findChild<QLabel*>(QStringLiteral("KSL"));
    return QJsonObject{
        {"height", design.height},
        {"titleMinimumWidth", design.titlePanelMinimumWidth},
        {"clockWidth", ClockStatusBar::ClockPanelWidth},
        {"gap", ClockStatusBar::PanelGap},
        {"font", FontJson(BaskervilleBold(StatusBarPoints))},
        {"title", title != nullptr ? title->text() : QString()},
    };
}

// The controls of `design` in the desktop's reading order, as described in window_json.h.
QJsonArray ControlsJson(const BuiltWindow& built) {
    const std::span<const ControlSpec> table = built.design.controls;
    std::vector<bool> placed(table.size(), false);
    QJsonArray json;
    const auto place = [&](std::size_t index, const char* read) {
        placed[index] = true;
        const int stacking = static_cast<int>(table.size() - index);
        QJsonObject row = ControlJson(table[index], stacking, built.font);
        row.insert("read", read);
        // Text in the design's own fonts breaks where the desktop breaks it; the platform's font
        // is another on every platform, and the browser wraps it.
        const auto* label = std::get_if<LabelSpec>(&table[index]);
        if (label != nullptr && !row["font"].toObject()["family"].toString().isEmpty()) {
            const auto* widget = built.face.findChild<QLabel*>(QString::fromUtf8(label->name));
            row.insert("lines", QJsonArray::fromStringList(DesktopLines(*widget)));
        }
        if (std::holds_alternative<PictureSpec>(table[index])) {
            row.insert("coveredBy", CoveringPictures(table, index));
        }
        json.append(row);
    };
    // Controls may share a name (the About dialog's two lines): the first not yet placed.
    const auto indexOf = [&](const QString& name) {
        for (std::size_t i = 0; i < table.size(); ++i) {
            if (!placed[i] && QString::fromUtf8(Name(table[i])) == name) {
                return i;
            }
        }
        qFatal("the design has no control %s", qPrintable(name));
    };
    for (QWidget* control : ReadChildren(built.face)) {
        place(indexOf(control->objectName()), "alone");
        if (auto* label = qobject_cast<QLabel*>(control)) {
            for (const QLabel* more : LabelsReadWith(*label).mid(1)) {
                place(indexOf(more->objectName()), "line");
            }
        }
    }
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (!placed[i]) {
            place(i, "unread");
        }
    }
    return json;
}

}  // namespace

QJsonObject WindowJson(const BuiltWindow& built) {
    const WindowSpec& design = built.design;
    const QString caption = QString::fromUtf8(design.caption);
    const QWidget& face = built.face;
    return {
        {"name", design.name},
        {"kind", qobject_cast<const QDialog*>(&built.window) != nullptr ? "dialog" : "window"},
        {"caption", caption},
        {"spokenCaption",
         built.spokenCaption != nullptr ? QString::fromUtf8(built.spokenCaption) : caption},
        {"client", QJsonArray{design.clientSize.width(), design.clientSize.height()}},
        {"face", ColourJson(face.palette().color(face.backgroundRole()))},
        {"font", built.font},
        {"menus", MenusJson(design.menus)},
        {"statusBar", StatusBarJson(design.statusBar, built.window)},
        {"controls", ControlsJson(built)},
    };
}

}  // namespace ksl::design_export
