#include "about/frm_about.h"

#include <QPushButton>

#include "about/about_layout.h"
#include "window_design/control_factory.h"
#include "window_design/fonts.h"
#include "window_design/system_colours.h"
#include "window_frame/fixed_size.h"
#include "window_frame/title_bar.h"

namespace ksl {

frmAbout::frmAbout(const SystemInfoServices& services, PlayerMessages& messages)
    : QDialog(nullptr,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      services_(services),
      messages_(messages) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromUtf8(about_dialog::Caption));
    KeepAtItsSize(*this);
    // Black texts on the light dialog face, as designed, whatever colours the desktop uses; the
    // buttons keep the desktop's.
    QPalette face = palette();
    face.setColor(QPalette::Window, DialogFace);
    face.setColor(QPalette::WindowText, Qt::black);
    setPalette(face);
    // The system's dialog face at the classic dialog size, 8 points, which the boxes were
    // measured for: larger, the last line of each text would be cut off.
    QFont dialogFont = font();
    dialogFont.setPixelSize(PixelsForPoints(about_dialog::FontPoints));
    setFont(dialogFont);
    BuildControlsFrontToBack(about_dialog::Controls(), MakeClientArea());

    cmdOK = findChild<QPushButton*>(QStringLiteral("cmdOK"));
    cmdSysInfo = findChild<QPushButton*>(QStringLiteral("cmdSysInfo"));
    // OK answers Enter (unless System Info has the focus) and, through reject(), Esc.
    cmdOK->setDefault(true);
    setTabOrder(cmdOK, cmdSysInfo);
    cmdOK->setFocus();
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdSysInfo, &QPushButton::clicked, this, [this] { cmdSysInfo_Click(); });
}

// Sizes the dialog and gives the area its controls go on: the dialog itself, or, where the
// dialog draws its own title bar, the area under it.
QWidget* frmAbout::MakeClientArea() {
    if (!TitleBar::Wanted()) {
        setFixedSize(about_dialog::ClientSize);
        return this;
    }
    // Qt drops the frameless hint from a window that also asks for a title.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    auto* bar = new TitleBar(*this);
    bar->setGeometry(0, 0, about_dialog::ClientSize.width(), TitleBar::Height);
    auto* client = new QWidget(this);
    client->setGeometry(QRect(QPoint(0, TitleBar::Height), about_dialog::ClientSize));
    setFixedSize(about_dialog::ClientSize + QSize(0, TitleBar::Height));
    return client;
}

void frmAbout::StartSysInfo() {
    if (!ksl::StartSysInfo(services_)) {
        messages_.Tell(*this,
                       QString::fromUtf8(SystemInfoUnavailable.data(),
                                         static_cast<qsizetype>(SystemInfoUnavailable.size())));
    }
}

void frmAbout::cmdOK_Click() {
    close();
}
void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::reject() {
    close();
}

}  // namespace ksl
