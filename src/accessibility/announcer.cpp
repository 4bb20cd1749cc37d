#include "accessibility/announcer.h"

#include <QLabel>
#include <QStatusBar>

namespace ksl {

Announcer::Announcer(QStatusBar* statusBar) : QWidget(statusBar), words_(new QLabel(this)) {
    setObjectName(QStringLiteral("Announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    words_->setTextFormat(Qt::PlainText);
    words_->setGeometry(0, 0, 0, 0);
    // The notification has no name of its own: a screen reader leaves out the words of a label
    // that only repeat its notification's name.
    hide();
}

void Announcer::Announce(const QString& message) {
    hide();
    words_->setText(message);
    show();
}

void Announcer::Withdraw() {
    hide();
}

QString Announcer::Message() const {
    return words_->text();
}

}  // namespace ksl
