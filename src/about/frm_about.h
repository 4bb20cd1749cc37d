#pragma once

#include <QDialog>
#include <functional>

#include "about/system_info.h"

class QPushButton;

namespace ksl {

// The About dialog: the title, the version line, a short description and warning, OK, and a
// button that starts the system's information tool. Modeless, with no owner window and no
// task-bar button of its own.
class frmAbout : public QDialog {
  public:
    explicit frmAbout(SystemInfoServices services);

    void StartSysInfo();

    // Called when the player closes the dialog: OK, Esc, Enter or the close box.
    std::function<void()> onClosedByPlayer;

    // Esc, as for every dialog: here it unloads the dialog.
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void Unload();

    SystemInfoServices services_;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;
};

}  // namespace ksl
