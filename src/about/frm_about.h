#pragma once

#include "platform/player_messages.h"
#include "system_info/system_info.h"
#include "window_design/designed_dialog.h"

class QPushButton;

namespace ksl {

// The About dialog: the title, the version line, a short description and warning, OK, and a
// button that starts the system's information tool. Modeless, with no owner window and no
// task-bar button of its own. OK, Esc and Enter close it as its close box does; what closing
// means is its owner's to decide.
class frmAbout : public DesignedDialog {
  public:
    frmAbout(const SystemInfoServices& services, PlayerMessages& messages);

    // Starts the system-information tool, or tells the player that it is unavailable.
    void StartSysInfo();

    // Esc, as for every dialog.
    void reject() override;

  private:
    void cmdOK_Click();
    void cmdSysInfo_Click();

    SystemInfoServices services_;
    PlayerMessages& messages_;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;
};

}  // namespace ksl
