#include "about/frm_about.h"

#include <QPushButton>

#include "about/about_layout.h"

namespace ksl {

frmAbout::frmAbout(const SystemInfoServices& services, PlayerMessages& messages)
    : DesignedDialog(about_dialog::Window), services_(services), messages_(messages) {
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
