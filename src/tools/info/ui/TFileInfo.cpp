#include "TFileInfo.h"

#include "tools/info/FileInformation.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QScreen>

namespace {

QLabel *makeLabel(const QString &name, const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

}  // namespace

TFileInfo::TFileInfo(const FileListSource &files, WindowGate mainWindow)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::WindowStaysOnTopHint),
      files_(files),
      mainWindow_(std::move(mainWindow)) {
    setObjectName(QStringLiteral("FileInfo"));
    setWindowTitle(tr("File Information"));

    const tools::FileInformation unknown = tools::unknownFileInformation();
    Label4 = makeLabel(QStringLiteral("Label4"), unknown.name, this);
    Label5 = makeLabel(QStringLiteral("Label5"), unknown.size, this);
    Label6 = makeLabel(QStringLiteral("Label6"), unknown.floppies, this);
    Label4->setMinimumWidth(220);

    auto *layout = new QGridLayout(this);
    layout->addWidget(makeLabel(QStringLiteral("Label1"), tr("File name :"), this), 0, 0);
    layout->addWidget(makeLabel(QStringLiteral("Label2"), tr("File size :"), this), 1, 0);
    layout->addWidget(makeLabel(QStringLiteral("Label3"), tr("No of Floppys : "), this), 2, 0);
    layout->addWidget(Label4, 0, 1);
    layout->addWidget(Label5, 1, 1);
    layout->addWidget(Label6, 2, 1);
    // A fixed border: the window takes the size its contents need.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TFileInfo::showInformation() {
    mainWindow_.disableMain();
    show();
    raise();
    activateWindow();
}

void TFileInfo::showEvent(QShowEvent *event) {
    const tools::FileInformation info = tools::describeSelection(files_);
    Label4->setText(info.name);
    Label5->setText(info.size);
    Label6->setText(info.floppies);
    adjustSize();
    if (const QScreen *where = screen())
        move(where->availableGeometry().center() - rect().center());
    QWidget::showEvent(event);
}

void TFileInfo::closeEvent(QCloseEvent *event) {
    mainWindow_.showAndEnableMain();
    event->accept();
}
