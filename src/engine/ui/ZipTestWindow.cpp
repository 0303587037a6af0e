#include "ZipTestWindow.h"

#include "engine/ZipEngine.h"
#include "platform/Dialogs.h"
#include "platform/FileListSource.h"
#include "widgets/BusyIndicator.h"
#include "widgets/LineFeed.h"
#include "widgets/ToolRun.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

Tziptest::Tziptest(BusyIndicator &animation, WindowGate mainWindow)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint),
      animation_(animation),
      mainWindow_(std::move(mainWindow)),
      list_(new QListWidget(this)),
      feed_(new LineFeed(*list_, [this] { list_->scrollToBottom(); })),
      progress_(new QProgressBar(this)),
      stop_(new QPushButton(tr("Stop"), this)) {
    setWindowTitle(tr("Zip Testing Tool"));
    setObjectName(QStringLiteral("ziptest"));
    list_->setObjectName(QStringLiteral("ListBox1"));
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    stop_->setObjectName(QStringLiteral("BitBtn2"));
    list_->setAccessibleName(tr("Test results"));
    progress_->setAccessibleName(tr("Test progress"));
    run_ = new ToolRun(*this, *stop_, *progress_);
    connect(stop_, &QPushButton::clicked, this, &Tziptest::BitBtn2Click);

    auto *explanation =
        new QLabel(tr("This option will check the integrity of any files you have selected "
                      "on the main screen."),
                   this);
    explanation->setWordWrap(true);
    auto *picture = new QLabel(this);
    picture->setPixmap(style()->standardIcon(QStyle::SP_DialogApplyButton).pixmap(32, 32));

    // Top: the explanation, the picture 10 pixels from the right edge.
    auto *top = new QHBoxLayout;
    top->setContentsMargins(10, 10, 10, 10);
    top->addWidget(explanation, 1);
    top->addWidget(picture, 0, Qt::AlignRight | Qt::AlignTop);
    // Bottom: the progress bar, and the Stop button kept centred.
    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(stop_);
    bottom->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 10);
    layout->addLayout(top);
    layout->addWidget(list_, 1);
    layout->addWidget(progress_);
    layout->addLayout(bottom);
    resize(460, 360);
}

void Tziptest::testSelectedFiles(const FileListSource &files, TZipEngine &engine,
                                 const QString &password) {
    animation_.start();
    if (files.selectedCount() == 0) {
        platform::dialogs().message(platform::MessageKind::Information,
                                    tr("You must select a Zip file before testing can take place."),
                                    platform::Cancel);
        animation_.stop();
        return;
    }
    show();
    raise();
    run_->begin();
    feed_->clear();
    mainWindow_.disableMain();
    QCoreApplication::processEvents();

    engine.Password = password;
    ziptest::walk(files, engine, *this);
    feed_->flush();

    run_->end();
    animation_.stop();
}

void Tziptest::BitBtn2Click() {
    run_->requestStop();
    stop_->setEnabled(false);
}

void Tziptest::closeEvent(QCloseEvent *event) {
    if (animation_.isRunning()) {
        if (!platform::confirm(tr("Cancel Zip testing operation ?"))) {
            event->ignore();
            return;
        }
        animation_.stop();
    }
    run_->requestStop();
    stop_->setEnabled(false);
    mainWindow_.showAndEnableMain();
    event->accept();  // hides the window; it is only ever shown again
}

QString Tziptest::runFlag() const {
    return run_->flag();
}

bool Tziptest::runFlagIsGo() const {
    return run_->isGo();
}

void Tziptest::setProgress(int percent) {
    run_->setProgress(percent);
    // Archives that the engine rejects at once call nothing back, and so
    // let no message run: the walk's progress does, by the clock.
    if (pace_.due())
        QCoreApplication::processEvents();
}

void Tziptest::addVerdict(const QString &line) {
    feed_->append(line);
    feed_->requestScroll();
}

QListWidget *Tziptest::ListBox1() const {
    feed_->flush();
    return list_;
}
