#include "window_frame/title_bar.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QToolButton>
#include <QWindow>

namespace ksl {

TitleBar::TitleBar(QWidget& window)
    : QWidget(&window), window_(window), caption_(new QLabel(this)) {
    setObjectName(QStringLiteral("titleBar"));
    // The desktop's own font, whatever the window's controls use.
    setFont(QGuiApplication::font());
    setFixedHeight(Height);
    setAutoFillBackground(true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 0, 2, 0);
    row->setSpacing(6);

    if (const QIcon icon = window.windowIcon(); !icon.isNull()) {
        auto* picture = new QLabel(this);
        picture->setPixmap(icon.pixmap(16, 16));
        row->addWidget(picture);
    }
    QFont bold = caption_->font();
    bold.setBold(true);
    caption_->setFont(bold);
    caption_->setTextFormat(Qt::PlainText);
    caption_->setAlignment(Qt::AlignCenter);
    row->addWidget(caption_, 1);

    auto* closeBox = new QToolButton(this);
    closeBox->setObjectName(QStringLiteral("closeBox"));
    closeBox->setAccessibleName(QStringLiteral("Lukk"));
    closeBox->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    closeBox->setIconSize(QSize(16, 16));
    closeBox->setAutoRaise(true);
    // The stake buttons stay the only controls that take the keyboard.
    closeBox->setFocusPolicy(Qt::NoFocus);
    connect(closeBox, &QToolButton::clicked, &window, &QWidget::close);
    row->addWidget(closeBox);

    // The window, not its children, hears when it gains or loses the keyboard.
    window.installEventFilter(this);
    ShowCaption();
}

void TitleBar::ShowCaption() {
    caption_->setText(window_.windowTitle());
    // The caption is dimmed while another window has the keyboard, as title bars do.
    const QColor ink = palette().color(
        window_.isActiveWindow() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
    QPalette palette = caption_->palette();
    palette.setColor(QPalette::WindowText, ink);
    caption_->setPalette(palette);
}

void TitleBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && window_.windowHandle() != nullptr) {
        window_.windowHandle()->startSystemMove();
    }
}

bool TitleBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ActivationChange || event->type() == QEvent::WindowTitleChange) {
        ShowCaption();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace ksl
