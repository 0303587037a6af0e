#include "BusyIndicator.h"

#include <QPainter>

BusyIndicator::BusyIndicator(QWidget *parent) : QWidget(parent) {
    frameTimer_.setInterval(60);
    connect(&frameTimer_, &QTimer::timeout, this, [this] {
        angle_ = (angle_ + 30) % 360;
        update();
    });
}

void BusyIndicator::start() {
    running_ = true;
    frameTimer_.start();
    update();
}

void BusyIndicator::stop() {
    running_ = false;
    frameTimer_.stop();
    angle_ = 0;
    update();
}

void BusyIndicator::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = qMin(width(), height()) - 6;
    const QRectF box((width() - side) / 2.0, (height() - side) / 2.0, side, side);
    painter.setPen(QPen(palette().mid().color(), 3));
    painter.drawEllipse(box);
    if (!running_) return;
    painter.setPen(QPen(palette().highlight().color(), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(box, -angle_ * 16, 100 * 16);
}
