#include "OptionsPanel.h"

#include "widgets/BusyIndicator.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QCheckBox *checkBox(const char *caption, bool checked, QWidget *parent) {
    auto *box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setChecked(checked);
    return box;
}

OptionField optionField(QGridLayout *grid, int row, const char *caption, const char *hint,
                        QWidget *parent) {
    OptionField f;
    grid->addWidget(new QLabel(QString::fromUtf8(caption), parent), row, 0);
    f.field = new QLineEdit(parent);
    f.field->setReadOnly(true);
    f.field->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(f.field, row, 1);
    f.button = new QToolButton(parent);
    f.button->setCheckable(true);
    f.button->setToolTip(QString::fromUtf8(hint));
    f.button->setIcon(parent->style()->standardIcon(QStyle::SP_DirOpenIcon));
    f.button->setAutoRaise(true);
    grid->addWidget(f.button, row, 2);
    return f;
}

QGridLayout *compactGrid(QGroupBox *group) {
    auto *grid = new QGridLayout(group);
    grid->setContentsMargins(6, 4, 4, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(1);
    grid->setColumnStretch(1, 1);
    return grid;
}

}  // namespace

OptionsPanel::OptionsPanel(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Panel12"));
    setFixedWidth(308);
    QFont small = font();
    small.setPointSizeF(7.5);
    setFont(small);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(2, 0, 2, 2);
    column->setSpacing(2);

    zipGroup = new QGroupBox(QStringLiteral("Quick Zipping Options"), this);
    auto *zip = compactGrid(zipGroup);
    deleteOriginalBox =
        checkBox("Delete Original File After Successfully Zipping ?", true, zipGroup);
    beepZipBox = checkBox("Beep when Zipping Process has Completed ?", true, zipGroup);
    keepExtensionBox =
        checkBox("Keep Original Zip File Extension in Zip Filename ?", false, zipGroup);
    zip->addWidget(deleteOriginalBox, 0, 0, 1, 3);
    zip->addWidget(beepZipBox, 1, 0, 1, 3);
    zip->addWidget(keepExtensionBox, 2, 0, 1, 3);
    zipFolder = optionField(zip, 3, "Save Zips in :",
                            "Changes the destination folder where zip files are stored", zipGroup);
    includeFile = optionField(zip, 4, "Include a File ?",
                              "Select a file to include into each zip created", zipGroup);
    workFolder = optionField(
        zip, 5, "Temp Folder :", "Change the folder that Tovrane uses as a work folder", zipGroup);
    zip->addWidget(new QLabel(QStringLiteral("Set Zip Password :"), zipGroup), 6, 0);
    zipPasswordEdit = new QLineEdit(zipGroup);
    zip->addWidget(zipPasswordEdit, 6, 1, 1, 2);
    zip->addWidget(new QLabel(QStringLiteral("Compression Level :"), zipGroup), 7, 0);
    auto *bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("-"), zipGroup));
    compressionBar = new QSlider(Qt::Horizontal, zipGroup);
    compressionBar->setObjectName(QStringLiteral("TrackBar1"));
    compressionBar->setRange(1, 9);
    compressionBar->setSingleStep(1);
    compressionBar->setPageStep(1);
    compressionBar->setTickInterval(1);
    compressionBar->setTickPosition(QSlider::TicksBelow);
    compressionBar->setValue(8);
    compressionBar->setToolTip(QStringLiteral("Use this bar to set the compression level."));
    bar->addWidget(compressionBar, 1);
    bar->addWidget(new QLabel(QStringLiteral("+"), zipGroup));
    zip->addLayout(bar, 7, 1, 1, 2);
    column->addWidget(zipGroup);

    unzipGroup = new QGroupBox(QStringLiteral("Quick Unzipping Options"), this);
    auto *unzip = compactGrid(unzipGroup);
    recurseBox = checkBox("Recurse Folders if Zips Contain them ?", true, unzipGroup);
    beepUnzipBox = checkBox("Beep When Unzipping Process has Completed ?", true, unzipGroup);
    deleteZipBox = checkBox("Delete Zip File after Successfully Unzipping ?", true, unzipGroup);
    unzip->addWidget(recurseBox, 0, 0, 1, 3);
    unzip->addWidget(beepUnzipBox, 1, 0, 1, 3);
    unzip->addWidget(deleteZipBox, 2, 0, 1, 3);
    unzipFolder = optionField(unzip, 3, "Unzip file to :",
                              "Sets the destination folder where files are unzipped", unzipGroup);
    unzip->addWidget(new QLabel(QStringLiteral("Set Unzip Password :"), unzipGroup), 4, 0);
    unzipPasswordEdit = new QLineEdit(unzipGroup);
    unzip->addWidget(unzipPasswordEdit, 4, 1, 1, 2);
    column->addWidget(unzipGroup);

    auto *progress = new QHBoxLayout;
    auto *bars = new QVBoxLayout;
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setFixedHeight(8);
    ProgressBar2 = new QProgressBar(this);
    ProgressBar2->setObjectName(QStringLiteral("ProgressBar2"));
    ProgressBar2->setRange(0, 100);
    ProgressBar2->setValue(0);
    ProgressBar2->setTextVisible(false);
    ProgressBar2->setFixedHeight(16);
    bars->addWidget(ProgressBar1);
    bars->addWidget(ProgressBar2);
    progress->addLayout(bars, 1);
    Animate1 = new BusyIndicator(this);
    Animate1->setFixedSize(28, 28);
    progress->addWidget(Animate1);
    column->addLayout(progress);
    column->addStretch(1);
}

void OptionsPanel::setPasswordsVisible(bool visible) {
    const auto mode = visible ? QLineEdit::Normal : QLineEdit::Password;
    for (QLineEdit *edit : {zipPasswordEdit, unzipPasswordEdit}) {
        // Masked with "*", as the program always has, not the style's dot.
        edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
        edit->setEchoMode(mode);
    }
}
