#include "ErrorLogWindow.h"

#include "batch/ErrorLogFile.h"
#include "batch/ErrorLogModel.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/SaveFile.h"
#include "widgets/LineFeed.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TErrorLog::TErrorLog(ErrorLogModel &log, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                          Qt::WindowCloseButtonHint),
      log_(log),
      list_(new QListWidget(this)),
      feed_(new LineFeed(*list_, [this] { scrollToEnd(); })) {
    setWindowTitle(tr("Error log"));
    setObjectName(QStringLiteral("ErrorLog"));
    list_->setObjectName(QStringLiteral("ListBox1"));
    list_->addItems(log_.lines());
    list_->setAccessibleName(tr("Error log lines"));

    auto *save = new QPushButton(tr("Save to a File"), this);
    save->setObjectName(QStringLiteral("BitBtn1"));
    auto *ok = new QPushButton(tr("Ok"), this);
    ok->setObjectName(QStringLiteral("BitBtn2"));
    connect(save, &QPushButton::clicked, this, &TErrorLog::BitBtn1Click);
    connect(ok, &QPushButton::clicked, this, &TErrorLog::BitBtn2Click);

    // The two buttons stay centred under the list, which takes the rest.
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(ok);
    buttons->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    resize(520, 320);

    connect(&log_, &ErrorLogModel::lineAppended, feed_, &LineFeed::append);
    connect(&log_, &ErrorLogModel::cleared, feed_, &LineFeed::clear);
    connect(&log_, &ErrorLogModel::scrollToEndRequested, feed_, &LineFeed::requestScroll);
}

QListWidget *TErrorLog::ListBox1() const {
    feed_->flush();
    return list_;
}

void TErrorLog::showLog() {
    if (!isVisible()) {
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    show();
    raise();
    // Lines added while it was hidden, and the scroll to the last of them.
    feed_->flush();
}

void TErrorLog::scrollToEnd() {
    if (list_->count() > 0)
        list_->scrollToItem(list_->item(list_->count() - 1), QAbstractItemView::PositionAtTop);
}

void TErrorLog::BitBtn1Click() {
    if (log_.isEmpty()) {
        platform::inform(tr("Nothing to save."));
        return;
    }
    platform::SaveRequest request;
    request.title = tr("Save As");
    request.defaultName = tr("Error Log.txt");
    request.filter = tr("All Files (*.*)") + QStringLiteral("|*.*");
    request.initialFolder = platform::homeFolder();
    const std::optional<QString> path = platform::dialogs().saveFileName(request);
    if (!path)
        return;
    // The lines as the window shows them, in its language: the file is the
    // user's record of what went wrong. Scripts read tovrane-batch's
    // standard error instead, which stays in English.
    platform::reportSaved(writeErrorLogFile(*path, log_.lines()));
}

void TErrorLog::BitBtn2Click() {
    hide();
}
