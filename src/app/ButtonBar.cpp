#include "ButtonBar.h"

#include <QHBoxLayout>
#include <QStyle>

ButtonBar::ButtonBar(QWidget *parent) : QWidget(parent) {
    setFixedHeight(49);
    QFont small = font();
    small.setPointSizeF(7.5);
    setFont(small);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(0);
    auto add = [&](const char *caption, const char *hint, QStyle::StandardPixmap glyph) {
        auto *b = new QToolButton(this);
        b->setText(QString::fromUtf8(caption));
        b->setToolTip(QString::fromUtf8(hint));
        b->setIcon(style()->standardIcon(glyph));
        b->setIconSize({16, 16});
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setFixedSize(47, 45);
        b->setAutoRaise(true);
        row->addWidget(b);
        buttons_ << b;
        return b;
    };
    pauseButton = add("Pause", "Pauses the operation in progress", QStyle::SP_MediaPause);
    stopButton = add("Stop", "Interupts the operation in progress", QStyle::SP_MediaStop);
    invertButton = add("Invert", "Inverts selected files or folders", QStyle::SP_BrowserReload);
    noneButton =
        add("&None", "Deselects all files or folders in view", QStyle::SP_DialogDiscardButton);
    allButton = add("&All", "Selectes all files or folders in view", QStyle::SP_DialogYesButton);
    unzipButton = add("&Unzip", "Unzips all selected zip files", QStyle::SP_ArrowUp);
    zipButton = add("&Zip", "Zips selected files or folders", QStyle::SP_ArrowDown);
    testButton =
        add("Test", "Tests the integrity of selected zip files", QStyle::SP_DialogApplyButton);
    rezipButton = add("Rezip", "Updates the file and folder listing", QStyle::SP_BrowserReload);
    deleteButton = add("Delete", "Deletes selected files or folders", QStyle::SP_TrashIcon);
    renameButton = add("Rename", "Renames selected files using one of many templates",
                       QStyle::SP_FileDialogDetailedView);
    crcButton = add("CRC32", "Reports the cyclic redundancy code (crc32) of selected files",
                    QStyle::SP_FileDialogInfoView);
    trimButton =
        add("Trim", "Trims a selected file to a desired length", QStyle::SP_FileDialogListView);
    dupesButton =
        add("Dupes", "File Duplication removal utility", QStyle::SP_FileDialogContentsView);
    row->addStretch(1);
    pauseButton->setEnabled(false);
    stopButton->setEnabled(false);
}
