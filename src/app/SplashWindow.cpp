#include "SplashWindow.h"

#include <QLabel>
#include <QVBoxLayout>

TSplash::TSplash()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(360, 180);
    setStyleSheet(
        QStringLiteral("TSplash { background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 "
                       "#0b3d6e, stop:1 #3f8fd2); }"
                       "QLabel { color: white; }"));
    setAttribute(Qt::WA_StyledBackground, true);
    auto *column = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("Tovrane 6.04"), this);
    title->setStyleSheet(QStringLiteral("font-size: 26pt; font-weight: bold; font-style: italic;"));
    title->setAlignment(Qt::AlignCenter);
    column->addWidget(title, 1);
    auto *credit = new QLabel(tr("Batch archiving, one zip per file"), this);
    credit->setAlignment(Qt::AlignCenter);
    column->addWidget(credit);

    timer_.setInterval(2000);
    timer_.setSingleShot(false);
    connect(&timer_, &QTimer::timeout, this, [this] {
        timer_.stop();
        hide();
    });
    timer_.start();
}

void TSplash::enableTimer() {
    if (!timer_.isActive())
        timer_.start();
}
