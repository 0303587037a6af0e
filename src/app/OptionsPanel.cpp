#include "OptionsPanel.h"

#include "CommandActions.h"
#include "OptionBinding.h"
#include "widgets/BusyIndicator.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel *label(Option option, QWidget *parent) {
    return new QLabel(QString::fromUtf8(descriptorOf(option).caption), parent);
}

// A read-only field with its toggle button: "Save Zips in :" and its kin.
// The field shows the path as it is named (in lower case it would name
// another folder here); the button stays down while the option is pinned to
// a folder (or file) chosen in a dialog.
void optionField(QGridLayout *grid, int row, OptionsModel &options, Option option,
                 QWidget *parent) {
    grid->addWidget(label(option, parent), row, 0);
    auto *field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(descriptorOf(option).name));
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    optionbinding::onChange(options, option, field,
                            [&options, option, field] { field->setText(options.text(option)); });
    grid->addWidget(field, row, 1);
    auto *button = new QToolButton(parent);
    QAction *pin = optionbinding::pinAction(options, option, parent);
    pin->setIcon(parent->style()->standardIcon(QStyle::SP_DirOpenIcon));
    button->setDefaultAction(pin);
    button->setAutoRaise(true);
    grid->addWidget(button, row, 2);
}

void passwordField(QGridLayout *grid, int row, OptionsModel &options, Option option,
                   QWidget *parent) {
    grid->addWidget(label(option, parent), row, 0);
    auto *edit = new QLineEdit(parent);
    optionbinding::bind(edit, options, option);
    // Masked with "*", as the program always has, not the style's dot.
    edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    optionbinding::onChange(options, Option::showPasswords, edit, [&options, edit] {
        edit->setEchoMode(options.isOn(Option::showPasswords) ? QLineEdit::Normal
                                                              : QLineEdit::Password);
    });
    grid->addWidget(edit, row, 1, 1, 2);
}

QGridLayout *compactGrid(QGroupBox *group) {
    auto *grid = new QGridLayout(group);
    grid->setContentsMargins(6, 4, 4, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(1);
    grid->setColumnStretch(1, 1);
    return grid;
}

QProgressBar *progressBar(const char *name, int height, QWidget *parent) {
    auto *bar = new QProgressBar(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    bar->setFixedHeight(height);
    return bar;
}

}  // namespace

OptionsPanel::OptionsPanel(OptionsModel &options, CommandActions &commands, QWidget *parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("Panel12"));
    setFixedWidth(308);
    QFont small = font();
    small.setPointSizeF(7.5);
    setFont(small);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(2, 0, 2, 2);
    column->setSpacing(2);

    auto *zipGroup = new QGroupBox(QStringLiteral("Quick Zipping Options"), this);
    auto *zip = compactGrid(zipGroup);
    int row = 0;
    for (Option o : {Option::deleteOriginal, Option::beepZip, Option::keepExtension})
        zip->addWidget(optionbinding::checkBox(options, o, zipGroup), row++, 0, 1, 3);
    for (Option o : {Option::zipFolder, Option::includeFile, Option::workFolder})
        optionField(zip, row++, options, o, zipGroup);
    passwordField(zip, row++, options, Option::zipPassword, zipGroup);
    zip->addWidget(label(Option::compressionLevel, zipGroup), row, 0);
    auto *bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("-"), zipGroup));
    const OptionDescriptor &level = descriptorOf(Option::compressionLevel);
    auto *compressionBar = new QSlider(Qt::Horizontal, zipGroup);
    compressionBar->setObjectName(QStringLiteral("TrackBar1"));
    compressionBar->setRange(level.minimum, level.maximum);
    compressionBar->setSingleStep(1);
    compressionBar->setPageStep(1);
    compressionBar->setTickInterval(1);
    compressionBar->setTickPosition(QSlider::TicksBelow);
    compressionBar->setToolTip(QString::fromUtf8(level.hint));
    optionbinding::bind(compressionBar, options, Option::compressionLevel);
    bar->addWidget(compressionBar, 1);
    bar->addWidget(new QLabel(QStringLiteral("+"), zipGroup));
    zip->addLayout(bar, row, 1, 1, 2);
    column->addWidget(zipGroup);

    auto *unzipGroup = new QGroupBox(QStringLiteral("Quick Unzipping Options"), this);
    auto *unzip = compactGrid(unzipGroup);
    row = 0;
    for (Option o : {Option::recurse, Option::beepUnzip, Option::deleteZip})
        unzip->addWidget(optionbinding::checkBox(options, o, unzipGroup), row++, 0, 1, 3);
    optionField(unzip, row++, options, Option::unzipFolder, unzipGroup);
    passwordField(unzip, row, options, Option::unzipPassword, unzipGroup);
    column->addWidget(unzipGroup);

    auto *progress = new QHBoxLayout;
    auto *bars = new QVBoxLayout;
    ProgressBar1 = progressBar("ProgressBar1", 8, this);
    ProgressBar2 = progressBar("ProgressBar2", 16, this);
    bars->addWidget(ProgressBar1);
    bars->addWidget(ProgressBar2);
    progress->addLayout(bars, 1);
    Animate1 = new BusyIndicator(this);
    Animate1->setObjectName(QStringLiteral("Animate1"));
    Animate1->setFixedSize(28, 28);
    progress->addWidget(Animate1);
    column->addLayout(progress);
    column->addStretch(1);

    optionbinding::onChange(options, Option::showSettings, this,
                            [this, &options] { setVisible(options.isOn(Option::showSettings)); });
    commands.addInputWidget(zipGroup);
    commands.addInputWidget(unzipGroup);
}

void OptionsPanel::setOverallProgress(int percent) {
    ProgressBar1->setValue(percent);
}

void OptionsPanel::setItemProgress(int percent) {
    ProgressBar2->setValue(percent);
}

void OptionsPanel::setBusy(bool busy) {
    if (busy)
        Animate1->start();
    else
        Animate1->stop();
}
