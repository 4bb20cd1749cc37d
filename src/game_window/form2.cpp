#include "game_window/form2.h"

#include <QLabel>
#include <QPushButton>

#include "game_window/game_window_layout.h"
#include "game_window/reveal_timers.h"
#include "rules/end_checks.h"

namespace ksl {

using game_window::Reveal;
using game_window::Reveals;

Form2::Form2(SlotMachine& machine, const Platform& platform)
    : ClassicWindow(game_window::Window),
      machine_(machine),
      platform_(platform),
      announcer_(*this),
      reelsLeftToRight_{Find<QLabel>("Label2"), Find<QLabel>("Label3"), Find<QLabel>("Label1")},
      Label17(Find<QLabel>("Label17")),
      Image6(Find("Image6")),
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

    for (const game_window::RevealTimer& design : Reveal) {
        reveal_.push_back({&design, design.shows ? Find(design.shows) : nullptr,
                           platform_.timers.MakeTimer(design.name, design.intervalMs)});
    }
    for (std::size_t i = 0; i < reveal_.size(); ++i) {
        GameTimer& timer = *reveal_[i].timer;
        // One tick does a timer's whole work: every further one would show again what is
        // already on screen, and only wake the program. So it rests until the next click starts
        // it again.
        timer.onTick = [this, i, &timer] {
            Tick(reveal_[i]);
            timer.Stop();
        };
        timer.SetEnabled(reveal_[i].design->runningAtLoad);
    }
}

Form2::~Form2() {
    StopTimers();
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
    for (const RevealStep& step : reveal_) {
        step.timer->Stop();
    }
}

void Form2::PlaySpin(Stake stake) {
    // Clear the last result and restart the reveal, each timer a full interval from now.
    StopTimers();
    for (const RevealStep& step : reveal_) {
        if (step.shows != nullptr) {
            step.shows->hide();
        }
    }
    Image6->hide();
    for (const RevealStep& step : reveal_) {
        if (step.design->reveals != Reveals::Result) {
            step.timer->Start();
        }
    }
    // The button with the focus goes last: disabled first, it would hand the focus to the other
    // stake, which a screen reader would then read out, already grayed. Disabled last, it
    // leaves the focus nowhere, and the screen reader stays where the player is.
    QPushButton* focused = focusWidget() == Command2 ? Command2 : Command1;
    (focused == Command1 ? Command2 : Command1)->setEnabled(false);
    focused->setEnabled(false);

    // Play, and leave the answer in the hidden labels for the timers to reveal.
    const SpinResult result = machine_.Spin(stake);
    const Reels reels = LeftToRight(result.Reels);
    for (std::size_t i = 0; i < reels.size(); ++i) {
        reelsLeftToRight_[i]->setText(QString::number(reels[i]));
    }
    for (const RevealStep& step : reveal_) {
        if (step.design->reveals == Reveals::Result && step.design->outcome == result.Outcome) {
            step.timer->Start();
        }
    }
    // The timers tick while a message is open; the balance never shows a refused stake's -1,
    // but the balance handed back.
    const Kroner balance =
        result.EndState == EndState::StakeTooHigh ? machine_.Balance() : result.BalanceAfterSpin;
    Label17->setText(QString::number(balance));
    announcer_.SpinStarted(result, balance);

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
            platform_.messages.Tell(*this, message);
            // The refused spin shows no reels.
            for (const RevealStep& step : reveal_) {
                if (step.design->reveals == Reveals::Reel) {
                    step.timer->Stop();
                }
            }
            return;
    }
}

void Form2::Tick(const RevealStep& step) {
    if (step.design->reveals == Reveals::StakeButtons) {
        BringBackTheStakes();
        return;
    }
    step.shows->show();
    if (step.design->reveals == Reveals::Result && step.design->outcome != Outcome::Loss) {
        platform_.beeper.Beep();
    }
    announcer_.Revealing();
}

void Form2::BringBackTheStakes() {
    Command1->setEnabled(true);
    Command2->setEnabled(true);
    // Disabling the buttons left the focus nowhere: the stake just played takes it back.
    if (pressed_ != nullptr) {
        pressed_->setFocus(Qt::OtherFocusReason);
        pressed_ = nullptr;
    }
}

}  // namespace ksl
