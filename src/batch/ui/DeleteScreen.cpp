#include "DeleteScreen.h"

#include "platform/RunFlag.h"
#include "widgets/BusyIndicator.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

TDeleteScreen::TDeleteScreen(QWidget &mainWindow)
    : QDialog(nullptr, Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint),
      main_(mainWindow),
      animation_(new BusyIndicator(this)),
      folder_(new QLabel(tr("Initializing"), this)),
      cancel_(new QPushButton(tr("Cancel"), this)) {
    setWindowTitle(tr("Delete in progress...Please Wait"));
    setObjectName(QStringLiteral("DeleteScreen"));
    setModal(false);
    folder_->setObjectName(QStringLiteral("Label2"));
    cancel_->setObjectName(QStringLiteral("BitBtn1"));
    cancel_->setDefault(true);
    connect(cancel_, &QPushButton::clicked, this, &TDeleteScreen::BitBtn1Click);

    auto *layout = new QGridLayout(this);
    layout->addWidget(animation_, 0, 0, 2, 1);
    layout->addWidget(new QLabel(tr("Deleting :"), this), 0, 1);
    layout->addWidget(folder_, 1, 1);
    layout->addWidget(cancel_, 2, 0, 1, 2, Qt::AlignHCenter);
    layout->setColumnStretch(1, 1);
    setFixedSize(320, 134);
}

void TDeleteScreen::start() {
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
    animation_->start();
    cancel_->setFocus();
    main_.setEnabled(false);
}

void TDeleteScreen::showFolder(const QString &name) {
    folder_->setText(name);
}

void TDeleteScreen::finish() {
    main_.show();
    animation_->stop();
    hide();
    DeleteRunFlag = runflag::Go;
    main_.setEnabled(true);
}

void TDeleteScreen::BitBtn1Click() {
    DeleteRunFlag = runflag::Stop;
}

void TDeleteScreen::closeEvent(QCloseEvent *event) {
    // Closing from the window manager asks for what Cancel asks for.
    BitBtn1Click();
    event->ignore();
}
