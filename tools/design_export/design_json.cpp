#include "design_json.h"

#include <QJsonArray>
#include <QMessageBox>
#include <QPushButton>
#include <string>

#include "about/about_layout.h"
#include "font_json.h"
#include "game_flow/reveal_timers.h"
#include "game_window/game_window_layout.h"
#include "platform/player_messages.h"
#include "system_info/system_info.h"
#include "welcome_window/welcome_window_layout.h"
#include "window_design/classic_window.h"
#include "window_design/designed_dialog.h"
#include "window_design/fonts.h"
#include "window_json.h"

namespace ksl::design_export {
namespace {

QJsonObject ClassicWindowJson(const WindowSpec& design, const char* spokenCaption = nullptr) {
    const ClassicWindow window(design);
    return WindowJson(
        {design, window, *window.face(), FontJson(ArialBold(design.fontPoints)), spokenCaption});
}

QJsonObject DialogJson(const WindowSpec& design) {
    const DesignedDialog dialog(design);
    // The controls stand on the dialog's face, under the title bar it may draw itself.
    const QWidget& face = *dialog.findChildren<QPushButton*>().front()->parentWidget();
    // The platform's own dialog font, at the design's size.
    return WindowJson({design, dialog, face, FontJson(dialog.font(), true)});
}

QJsonArray TimersJson() {
    QJsonArray timers;
    for (const game_flow::RevealTimer& timer : game_flow::Reveal) {
        timers.append(QJsonObject{{"name", timer.name}, {"interval", timer.intervalMs}});
    }
    return timers;
}

QJsonObject MessagesJson() {
    // The OK of the desktop's message box, in the words the toolkit gives it.
    const QMessageBox box(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Ok);
    return {
        {"caption", MessageCaption},
        {"ok", box.button(QMessageBox::Ok)->text()},
        {"systemInfoUnavailable",
         QString::fromUtf8(SystemInfoUnavailable.data(),
                           static_cast<qsizetype>(SystemInfoUnavailable.size()))},
    };
}

// Every character a whole number's text form may use, such as the balance the game writes.
QString NumberCharacters() {
    QString characters;
    for (int number = -9; number <= 9; ++number) {
        for (const char c : std::to_string(number)) {
            if (!characters.contains(QLatin1Char(c))) {
                characters += QLatin1Char(c);
            }
        }
    }
    return characters;
}

// The faces that serve the design's families, as the desktop substitutes them.
QJsonObject TypefacesJson() {
    QJsonObject faces;
    for (const QFont& font : {ArialBold(StatusBarPoints), BaskervilleBold(StatusBarPoints)}) {
        const QStringList substitutes = QFont::substitutes(font.family());
        faces.insert(font.family(), substitutes.isEmpty() ? font.family() : substitutes.front());
    }
    return faces;
}

}  // namespace

QJsonObject DesignJson() {
    QJsonObject welcome = ClassicWindowJson(welcome_window::Window);
    // The words the welcome window says each time it comes to the front (form1.cpp).
    welcome.insert("saysOnShow", "Label3");
    return {
        {"windows",
         QJsonArray{welcome, ClassicWindowJson(game_window::Window, game_window::SpokenCaption),
                    DialogJson(about_dialog::Window)}},
        {"timers", TimersJson()},
        {"messages", MessagesJson()},
        {"numberCharacters", NumberCharacters()},
        {"typefaces", TypefacesJson()},
    };
}

}  // namespace ksl::design_export
