#include "game_window/form2.h"

#include <QLabel>
#include <QPushButton>

#include "accessibility/announcer.h"
#include "game_flow/reveal_timers.h"
#include "game_window/game_window_layout.h"

namespace ksl {

namespace {
QString Words(const std::string& utf8) {
    return QString::fromStdString(utf8);
}
}  // namespace

Form2::Form2(SlotMachine& machine, const Platform& platform)
    : ClassicWindow(game_window::Window),
      game_(machine),
      platform_(platform),
      announcer_(new Announcer(statusBar())),
      Command1(Find<QPushButton>("Command1")),
      Command2(Find<QPushButton>("Command2")) {
    // The title reads "Kronesluk  av   [ Tindrevik ]"; a screen reader would read out the
    // brackets as well.
    setAccessibleName(QString::fromUtf8(game_window::SpokenCaption));

    // The stake buttons are the only controls that take the focus, "1 Kr" first.
    setTabOrder(Command1, Command2);
    Command1->setFocus();
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);

    for (const game_flow::RevealTimer& design : game_flow::Reveal) {
        std::unique_ptr<GameTimer> timer =
            platform_.timers.MakeTimer(design.name, design.intervalMs);
        timer->onTick = [this, name = std::string(design.name)] { Carry(game_.Ticked(name)); };
        timers_.emplace(design.name, std::move(timer));
    }
    Carry(game_.Load());
}

Form2::~Form2() {
    StopTimers();
}

void Form2::Form_Load() {
    hide();
    emit loading();
    game_.NewGame();
}

void Form2::Command1_Click() {
    Carry(game_.StakePressed(Stake::One));
}
void Form2::Command2_Click() {
    Carry(game_.StakePressed(Stake::Two));
}

void Form2::StopTimers() {
    for (const auto& [name, timer] : timers_) {
        timer->Stop();
    }
}

GameTimer& Form2::Timer(const std::string& name) const {
    const auto found = timers_.find(name);
    Q_ASSERT_X(found != timers_.end(), "Form2::Timer", name.c_str());
    return *found->second;
}

void Form2::Carry(const Orders& orders) {
    using Kind = Order::Kind;
    for (const Order& order : orders) {
        switch (order.kind) {
            case Kind::StartTimer:
                Timer(order.name).Start();
                break;
            case Kind::StopTimer:
                Timer(order.name).Stop();
                break;
            case Kind::Show:
                Find(order.name.c_str())->show();
                break;
            case Kind::Hide:
                Find(order.name.c_str())->hide();
                break;
            case Kind::SetText:
                Find<QLabel>(order.name.c_str())->setText(Words(order.text));
                break;
            case Kind::StakesOff:
                TakeAwayTheStakes();
                break;
            case Kind::StakesOn:
                BringBackTheStakes(order.name);
                break;
            case Kind::Beep:
                platform_.beeper.Beep();
                break;
            case Kind::Say:
                announcer_->Announce(Words(order.text));
                break;
            case Kind::Hush:
                announcer_->Withdraw();
                break;
            case Kind::Tell:
                // The box is modal, and the timers tick while it is open. The game's answer to
                // its closing may end the game, and with it this window: touch nothing after.
                platform_.messages.Tell(*this, Words(order.text));
                Carry(game_.MessageClosed());
                return;
            case Kind::GameOver:
                emit gameOver();  // this window is being unloaded: touch nothing of it from here on
                return;
        }
    }
}

void Form2::TakeAwayTheStakes() {
    // The button with the focus goes last: disabled first, it would hand the focus to the other
    // stake, which a screen reader would then read out, already grayed. Disabled last, it
    // leaves the focus nowhere, and the screen reader stays where the player is.
    QPushButton* focused = focusWidget() == Command2 ? Command2 : Command1;
    (focused == Command1 ? Command2 : Command1)->setEnabled(false);
    focused->setEnabled(false);
}

void Form2::BringBackTheStakes(const std::string& played) {
    Command1->setEnabled(true);
    Command2->setEnabled(true);
    // Disabling the buttons left the focus nowhere: the stake just played takes it back.
    if (!played.empty()) {
        Find(played.c_str())->setFocus(Qt::OtherFocusReason);
    }
}

}  // namespace ksl
