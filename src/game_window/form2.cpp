#include "game_window/form2.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include "game_window/game_window_layout.h"
#include "window_kit/clock_status_bar.h"
#include "window_kit/control_factory.h"

namespace ksl {

// The eleven timers: designed interval, whether they run from the moment the window loads, and
// their tick.
struct Form2::TimerRow {
    const char* name;
    std::unique_ptr<GameTimer> Form2::*timer;
    int intervalMs;
    bool runningAtLoad;
    void (Form2::*tick)();
};

const Form2::TimerRow Form2::TimerTable[] = {
    {"Timer1", &Form2::Timer1, 500, false, &Form2::Timer1_Timer},
    {"Timer2", &Form2::Timer2, 1200, false, &Form2::Timer2_Timer},
    {"Timer3", &Form2::Timer3, 1900, false, &Form2::Timer3_Timer},
    {"Timer4", &Form2::Timer4, 2500, false, &Form2::Timer4_Timer},
    {"Penger", &Form2::Penger, 2100, true, &Form2::Penger_Timer},
    {"NoWin", &Form2::NoWin, 2100, true, &Form2::NoWin_Timer},
    {"Win1", &Form2::Win1, 2100, false, &Form2::Win1_Timer},
    {"Win2", &Form2::Win2, 2100, false, &Form2::Win2_Timer},
    {"Win3", &Form2::Win3, 2100, false, &Form2::Win3_Timer},
    {"Win4", &Form2::Win4, 2100, false, &Form2::Win4_Timer},
    {"Win5", &Form2::Win5, 2100, false, &Form2::Win5_Timer},
};

// The timer that reveals each outcome at 2100 ms.
struct Form2::ResultRow {
    Outcome outcome;
    std::unique_ptr<GameTimer> Form2::*timer;
};

const Form2::ResultRow Form2::ResultTable[] = {
    {Outcome::Triple0, &Form2::Win1},    {Outcome::Triple4, &Form2::Win2},
    {Outcome::Triple3, &Form2::Win4},    {Outcome::Triple2, &Form2::Win5},
    {Outcome::PairOfOnes, &Form2::Win3}, {Outcome::Loss, &Form2::NoWin},
};

namespace {

template <typename Control>
Control* Find(const QWidget& window, const char* name) {
    auto* control = window.findChild<Control*>(QString::fromUtf8(name));
    Q_ASSERT_X(control != nullptr, "Form2", name);
    return control;
}

}  // namespace

Form2::Form2(SlotMachine& machine, GameWindowHost& host, const Platform& platform)
    : ClassicWindow(game_window::Window,
                    new ClockStatusBar(game_window::StatusBarHeight,
                                       game_window::TitlePanelMinimumWidth, nullptr)),
      machine_(machine),
      host_(host),
      platform_(platform) {
    BuildControlsFrontToBack(game_window::Controls(), face());
    BuildControlsFrontToBack(game_window::Buttons(), face());
    BuildMenus(*this, game_window::Menus());

    Label1 = Find<QLabel>(*this, "Label1");
    Label2 = Find<QLabel>(*this, "Label2");
    Label3 = Find<QLabel>(*this, "Label3");
    Label13 = Find<QLabel>(*this, "Label13");
    Label17 = Find<QLabel>(*this, "Label17");
    Image1 = Find<QWidget>(*this, "Image1");
    Image2 = Find<QWidget>(*this, "Image2");
    Image3 = Find<QWidget>(*this, "Image3");
    Image4 = Find<QWidget>(*this, "Image4");
    Image5 = Find<QWidget>(*this, "Image5");
    Image6 = Find<QWidget>(*this, "Image6");
    Command1 = Find<QPushButton>(*this, "Command1");
    Command2 = Find<QPushButton>(*this, "Command2");

    // The stake buttons are the only controls that take the focus, "1 Kr" first.
    setTabOrder(Command1, Command2);
    Command1->setFocus();
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });

    connect(Find<QAction>(*this, "mnuPlay"), &QAction::triggered, this,
            [this] { host_.RestartGame(); });
    connect(Find<QAction>(*this, "mnuExit"), &QAction::triggered, this,
            [this] { host_.ExitProgram(); });
    connect(Find<QAction>(*this, "mnuContent"), &QAction::triggered, this,
            [this] { host_.OpenAbout(); });

    for (const TimerRow& row : TimerTable) {
        std::unique_ptr<GameTimer>& timer = this->*row.timer;
        timer = platform_.timers.MakeTimer(row.name, row.intervalMs);
        timer->onTick = [this, tick = row.tick] { (this->*tick)(); };
        timer->SetEnabled(row.runningAtLoad);
    }
}

Form2::~Form2() {
    StopTimers();
}

void Form2::Form_Load() {
    hide();
    host_.ShowWelcomeWindow();
    machine_.NewGame();
}

void Form2::Command1_Click() {
    PlaySpin(Stake::One);
}
void Form2::Command2_Click() {
    PlaySpin(Stake::Two);
}

void Form2::StopTimers() {
    for (const TimerRow& row : TimerTable) {
        if (const std::unique_ptr<GameTimer>& timer = this->*row.timer) {
            timer->Stop();
        }
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
    Command1->setEnabled(false);
    Command2->setEnabled(false);

    // Play, and leave the answer in the hidden labels for the timers to reveal.
    const SpinResult result = machine_.Spin(stake);
    Label1->setText(QString::number(result.Reels[0]));
    Label2->setText(QString::number(result.Reels[1]));
    Label3->setText(QString::number(result.Reels[2]));
    ResultTimer(result.Outcome).Start();
    Label17->setText(QString::number(result.BalanceAfterSpin));

    const QString message = QString::fromUtf8(EndStateMessage(result.EndState));
    switch (result.EndState) {
        case EndState::Continue:
            return;
        case EndState::OutOfMoney:
        case EndState::MachineEmptied:
            platform_.messages.Tell(message);
            host_.EndGame();  // this window is being unloaded: touch nothing of it from here on
            return;
        case EndState::StakeTooHigh:
            // The timers tick while the message is open; the balance label must never show the
            // refused -1, so it reads 1 before the message as well as after it.
            Label17->setText(QStringLiteral("1"));
            platform_.messages.Tell(message);
            Label17->setText(QStringLiteral("1"));
            Timer1->Stop();
            Timer2->Stop();
            Timer3->Stop();
            return;
    }
}

GameTimer& Form2::ResultTimer(Outcome outcome) {
    for (const ResultRow& row : ResultTable) {
        if (row.outcome == outcome) {
            return *(this->*row.timer);
        }
    }
    return *NoWin;
}

void Form2::Timer1_Timer() {
    Label2->show();
}
void Form2::Timer2_Timer() {
    Label3->show();
}
void Form2::Timer3_Timer() {
    Label1->show();
}

void Form2::Timer4_Timer() {
    Command1->setEnabled(true);
    Command2->setEnabled(true);
}

void Form2::Penger_Timer() {
    Label17->show();
}
void Form2::NoWin_Timer() {
    Label13->show();
}

void Form2::ShowPrize(GameTimer& timer, QWidget* picture) {
    picture->show();
    platform_.beeper.Beep();
    timer.Stop();
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
