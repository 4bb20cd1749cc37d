#include "welcome_window/form1.h"

#include <QEvent>
#include <QLabel>
#include <QTimer>

#include "accessibility/announcer.h"
#include "welcome_window/welcome_window_layout.h"

namespace ksl {

Form1::Form1() : ClassicWindow(welcome_window::Window), announcer_(new Announcer(statusBar())) {}

void Form1::changeEvent(QEvent* event) {
    ClassicWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        // Once the window has come to the front, so that the screen reader says the title
        // first and the instruction after it, not the other way round.
        QTimer::singleShot(0, this, &Form1::AnnounceHowToStart);
    }
}

void Form1::AnnounceHowToStart() {
    if (isVisible() && isActiveWindow()) {
        announcer_->Announce(Find<QLabel>("Label3")->text());
    }
}

}  // namespace ksl
