#include "game_window/form2.h"

#include <QLabel>
#include <QPushButton>

#include "game_window/game_window_layout.h"
#include "rules/end_checks.h"

namespace ksl {

namespace {
constexpr bool RunningAtLoad = true;
constexpr bool Stopped = false;
}  // namespace

Form2::Form2(SlotMachine& machine, const Platform& platform)
    : ClassicWindow(game_window::Window),
      machine_(machine),
      platform_(platform),
      announcer_(*this) {
    // The title reads "Kronesluk  av   [ Tindrevik ]"; a screen reader would read out the
    // brackets as well.
    setAccessibleName(QString::fromUtf8(game_window::SpokenCaption));
    Label1 = Find<QLabel>("Label1");
    Label2 = Find<QLabel>("Label2");
    Label3 = Find<QLabel>("Label3");
    Label13 = Find<QLabel>("Label13");
    Label17 = Find<QLabel>("Label17");
    Image1 = Find("Image1");
    Image2 = Find("Image2");
    Image3 = Find("Image3");
    Image4 = Find("Image4");
    Image5 = Find("Image5");
    Image6 = Find("Image6");
    Command1 = Find<QPushButton>("Command1");
    Command2 = Find<QPushButton>("Command2");

    // The stake buttons are the only controls that take the focus, "1 Kr" first.
    setTabOrder(Command1, Command2);
    Command1->setFocus();
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);

    Timer1 = MakeTimer("Timer1", 500, Stopped, &Form2::Timer1_Timer);
    Timer2 = MakeTimer("Timer2", 1200, Stopped, &Form2::Timer2_Timer);
    Timer3 = MakeTimer("Timer3", 1900, Stopped, &Form2::Timer3_Timer);
    Timer4 = MakeTimer("Timer4", 2500, Stopped, &Form2::Timer4_Timer);
    Penger = MakeTimer("Penger", 2100, RunningAtLoad, &Form2::Penger_Timer);
    NoWin = MakeTimer("NoWin", 2100, RunningAtLoad, &Form2::NoWin_Timer);
    Win1 = MakeTimer("Win1", 2100, Stopped, &Form2::Win1_Timer);
    Win2 = MakeTimer("Win2", 2100, Stopped, &Form2::Win2_Timer);
    Win3 = MakeTimer("Win3", 2100, Stopped, &Form2::Win3_Timer);
    Win4 = MakeTimer("Win4", 2100, Stopped, &Form2::Win4_Timer);
    Win5 = MakeTimer("Win5", 2100, Stopped, &Form2::Win5_Timer);
}

Form2::~Form2() {
    StopTimers();
}

std::unique_ptr<GameTimer> Form2::MakeTimer(const char* name, int intervalMs, bool runningAtLoad,
                                            Tick tick) {
    std::unique_ptr<GameTimer> timer = platform_.timers.MakeTimer(name, intervalMs);
    // One tick does a timer's whole work: every further one would show again what is already
    // on screen, and only wake the program. So it rests until the next click starts it again.
    timer->onTick = [this, tick, self = timer.get()] {
        (this->*tick)();
        self->Stop();
    };
    timer->SetEnabled(runningAtLoad);
    return timer;
}

void Form2::Form_Load() {
    hide();
    emit loading();
    machine_.NewGame();
}

void Form2::Command1_Click() {
    pressed_ = Command1;
    PlaySpin(Stake::One);
}
void Form2::Command2_Click() {
    pressed_ = Command2;
    PlaySpin(Stake::Two);
}

void Form2::StopTimers() {
    for (GameTimer* timer :
         {Timer1.get(), Timer2.get(), Timer3.get(), Timer4.get(), Penger.get(), NoWin.get(),
          Win1.get(), Win2.get(), Win3.get(), Win4.get(), Win5.get()}) {
        timer->Stop();
    }
}

void Form2::PlaySpin(Stake stake) {
    // Clear the last result and restart the reveal, each timer a full interval from now.
    for (GameTimer* timer :
         {Win1.get(), Win2.get(), Win3.get(), Win4.get(), Win5.get(), NoWin.get(), Penger.get()}) {
        timer->Stop();
    }
    for (QLabel* label : {Label1, Label2, Label3, Label13, Label17}) {
        label->hide();
    }
    for (GameTimer* timer : {Timer1.get(), Timer2.get(), Timer3.get(), Timer4.get()}) {
        timer->Stop();
    }
    for (QWidget* picture : {Image1, Image2, Image3, Image4, Image5, Image6}) {
        picture->hide();
    }
    for (GameTimer* timer :
         {Timer1.get(), Timer2.get(), Timer3.get(), Timer4.get(), Penger.get()}) {
        timer->Start();
    }
    // The button with the focus goes last: disabled first, it would hand the focus to the other
    // stake, which a screen reader would then read out, already grayed. Disabled last, it
    // leaves the focus nowhere, and the screen reader stays where the player is.
    QPushButton* focused = focusWidget() == Command2 ? Command2 : Command1;
    (focused == Command1 ? Command2 : Command1)->setEnabled(false);
    focused->setEnabled(false);

    // Play, and leave the answer in the hidden labels for the timers to reveal.
    const SpinResult result = machine_.Spin(stake);
    Label1->setText(QString::number(result.Reels[0]));
    Label2->setText(QString::number(result.Reels[1]));
    Label3->setText(QString::number(result.Reels[2]));
    ResultTimer(result.Outcome).Start();
    Label17->setText(QString::number(result.BalanceAfterSpin));
    announcer_.SpinStarted(result);

    const QString message = QString::fromUtf8(EndStateMessage(result.EndState));
    switch (result.EndState) {
        case EndState::Continue:
            return;
        case EndState::OutOfMoney:
        case EndState::MachineEmptied:
            platform_.messages.Tell(*this, message);
            emit gameOver();  // this window is being unloaded: touch nothing of it from here on
            return;
        case EndState::StakeTooHigh:
            // The timers tick while the message is open; the balance label must never show the
            // refused -1, so it shows the balance handed back before the message and after it.
            Label17->setText(QString::number(machine_.Balance()));
            platform_.messages.Tell(*this, message);
            Label17->setText(QString::number(machine_.Balance()));
            Timer1->Stop();
            Timer2->Stop();
            Timer3->Stop();
            return;
    }
}

GameTimer& Form2::ResultTimer(Outcome outcome) {
    switch (outcome) {
        case Outcome::Triple0:
            return *Win1;
        case Outcome::Triple4:
            return *Win2;
        case Outcome::Triple3:
            return *Win4;
        case Outcome::Triple2:
            return *Win5;
        case Outcome::PairOfOnes:
            return *Win3;
        case Outcome::Loss:
            return *NoWin;
    }
    Q_UNREACHABLE();
}

void Form2::Timer1_Timer() {
    Label2->show();
    announcer_.Revealing();
}
void Form2::Timer2_Timer() {
    Label3->show();
    announcer_.Revealing();
}
void Form2::Timer3_Timer() {
    Label1->show();
    announcer_.Revealing();
}

void Form2::Timer4_Timer() {
    Command1->setEnabled(true);
    Command2->setEnabled(true);
    // Disabling the buttons left the focus nowhere: the stake just played takes it back.
    if (pressed_ != nullptr) {
        pressed_->setFocus(Qt::OtherFocusReason);
        pressed_ = nullptr;
    }
}

void Form2::Penger_Timer() {
    Label17->show();
    announcer_.Revealing();
}
void Form2::NoWin_Timer() {
    Label13->show();
    announcer_.Revealing();
}

void Form2::ShowPrize(GameTimer& timer, QWidget* picture) {
    picture->show();
    platform_.beeper.Beep();
    timer.Stop();
    announcer_.Revealing();
}

void Form2::Win1_Timer() {
    ShowPrize(*Win1, Image5);
}
void Form2::Win2_Timer() {
    ShowPrize(*Win2, Image4);
}
void Form2::Win3_Timer() {
    ShowPrize(*Win3, Image2);
}
void Form2::Win4_Timer() {
    ShowPrize(*Win4, Image3);
}
void Form2::Win5_Timer() {
    ShowPrize(*Win5, Image1);
}

}  // namespace ksl
