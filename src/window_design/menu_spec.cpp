#include "window_design/menu_spec.h"

#include <QAction>
#include <QMenuBar>

namespace ksl {

void BuildMenus(QMenuBar& bar, QWidget& window, std::span<const MenuSpec> menus) {
    for (const MenuSpec& menuSpec : menus) {
        QMenu* menu = bar.addMenu(QString::fromUtf8(menuSpec.title));
        menu->setObjectName(QString::fromUtf8(menuSpec.name));
        for (const MenuItemSpec& item : menuSpec.items) {
            QAction* action = menu->addAction(QString::fromUtf8(item.text));
            action->setObjectName(QString::fromUtf8(item.name));
            if (item.shortcut.key() != Qt::Key_unknown) {
                action->setShortcut(QKeySequence(item.shortcut));
            }
            window.addAction(action);
        }
    }
}

}  // namespace ksl
