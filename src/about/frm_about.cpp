#include "about/frm_about.h"

#include <QCloseEvent>
#include <QPushButton>

#include "about/about_layout.h"
#include "window_kit/control_factory.h"
#include "window_kit/fonts.h"

namespace ksl {

frmAbout::frmAbout(SystemInfoServices services)
    : QDialog(nullptr,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      services_(std::move(services)) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromUtf8(about_dialog::Caption));
    setFixedSize(about_dialog::ClientSize);
    // The system's dialog face at the classic dialog size, 8 points, which the boxes were
    // measured for: larger, the last line of each text would be cut off.
    QFont dialogFont = font();
    dialogFont.setPixelSize(PixelsForPoints(about_dialog::FontPoints));
    setFont(dialogFont);
    BuildControlsFrontToBack(about_dialog::Controls(), this);

    cmdOK = findChild<QPushButton*>(QStringLiteral("cmdOK"));
    cmdSysInfo = findChild<QPushButton*>(QStringLiteral("cmdSysInfo"));
    // OK answers Enter (unless System Info has the focus) and, through reject(), Esc.
    cmdOK->setDefault(true);
    setTabOrder(cmdOK, cmdSysInfo);
    cmdOK->setFocus();
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdSysInfo, &QPushButton::clicked, this, [this] { cmdSysInfo_Click(); });
}

void frmAbout::StartSysInfo() {
    ksl::StartSysInfo(services_);
}

void frmAbout::cmdOK_Click() {
    Unload();
}
void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::reject() {
    Unload();
}

void frmAbout::closeEvent(QCloseEvent* event) {
    event->ignore();
    Unload();
}

void frmAbout::Unload() {
    if (onClosedByPlayer) {
        // A copy: the owner may clear the callback while it runs.
        const std::function<void()> closed = onClosedByPlayer;
        closed();
    } else {
        hide();
    }
}

}  // namespace ksl
