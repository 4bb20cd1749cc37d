#pragma once

#include <QKeySequence>
#include <span>

class QMenuBar;
class QWidget;

namespace ksl {

// One item of a window's menus. An ampersand in the text marks its access letter.
struct MenuItemSpec {
    const char* name;
    const char* text;
    QKeyCombination shortcut = {};  // none when it stays Qt::Key_unknown
};

struct MenuSpec {
    const char* name;
    const char* title;
    std::span<const MenuItemSpec> items;
};

// Builds a window's menu bar from its table. Each item becomes an action named after it, also
// added to the window itself, so its shortcut works without the menu being opened.
void BuildMenus(QMenuBar& bar, QWidget& window, std::span<const MenuSpec> menus);

}  // namespace ksl
