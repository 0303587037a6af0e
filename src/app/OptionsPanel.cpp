#include "OptionsPanel.h"

#include "CommandActions.h"
#include "OptionBinding.h"
#include "widgets/BusyIndicator.h"
#include "widgets/ProgressValue.h"

#include <QCheckBox>
#include <QCoreApplication>
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
    return new QLabel(QCoreApplication::translate("TMainform", descriptorOf(option).caption),
                      parent);
}

// What a screen reader says for a field and its folder button. Without these
// both would be read out as the group box around them; the captions end in
// " :" or " ?", which reads badly, and the button needs words of its own.
struct SpokenField {
    Option option;
    const char *field;
    const char *button;
};
constexpr SpokenField kSpokenFields[] = {
    {Option::zipFolder, QT_TRANSLATE_NOOP("TMainform", "Save zips in"),
     QT_TRANSLATE_NOOP("TMainform", "Choose the folder to save zips in")},
    {Option::includeFile, QT_TRANSLATE_NOOP("TMainform", "File to include in each zip"),
     QT_TRANSLATE_NOOP("TMainform", "Choose a file to include in each zip")},
    {Option::workFolder, QT_TRANSLATE_NOOP("TMainform", "Temp folder"),
     QT_TRANSLATE_NOOP("TMainform", "Choose the temp folder")},
    {Option::unzipFolder, QT_TRANSLATE_NOOP("TMainform", "Unzip files to"),
     QT_TRANSLATE_NOOP("TMainform", "Choose the folder to unzip files to")},
    {Option::zipPassword, QT_TRANSLATE_NOOP("TMainform", "Zip password"), nullptr},
    {Option::unzipPassword, QT_TRANSLATE_NOOP("TMainform", "Unzip password"), nullptr},
};

const SpokenField &spoken(Option option) {
    for (const SpokenField &s : kSpokenFields)
        if (s.option == option)
            return s;
    Q_UNREACHABLE();
}

// The caption names the field for mnemonics and screen readers alike.
void caption(QGridLayout *grid, int row, Option option, QWidget *field, QWidget *parent) {
    QLabel *text = label(option, parent);
    text->setBuddy(field);
    grid->addWidget(text, row, 0);
    field->setAccessibleName(QCoreApplication::translate("TMainform", spoken(option).field));
    if (const char *hint = descriptorOf(option).hint)
        field->setAccessibleDescription(QCoreApplication::translate("TMainform", hint));
}

// A read-only field with its toggle button: "Save Zips in :" and its kin.
// The field shows the path as it is named (in lower case it would name
// another folder here); the button stays down while the option is pinned to
// a folder (or file) chosen in a dialog.
void optionField(QGridLayout *grid, int row, OptionsModel &options, Option option,
                 QWidget *parent) {
    auto *field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(descriptorOf(option).name));
    caption(grid, row, option, field, parent);
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
    button->setAccessibleName(QCoreApplication::translate("TMainform", spoken(option).button));
    grid->addWidget(button, row, 2);
}

void passwordField(QGridLayout *grid, int row, OptionsModel &options, Option option,
                   QWidget *parent) {
    auto *edit = new QLineEdit(parent);
    optionbinding::bind(edit, options, option);
    caption(grid, row, option, edit, parent);
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

    auto *zipGroup =
        new QGroupBox(QCoreApplication::translate("TMainform", "Quick Zipping Options"), this);
    auto *zip = compactGrid(zipGroup);
    int row = 0;
    for (Option o : {Option::deleteOriginal, Option::beepZip, Option::keepExtension})
        zip->addWidget(optionbinding::checkBox(options, o, zipGroup), row++, 0, 1, 3);
    for (Option o : {Option::zipFolder, Option::includeFile, Option::workFolder})
        optionField(zip, row++, options, o, zipGroup);
    passwordField(zip, row++, options, Option::zipPassword, zipGroup);
    auto *bar = new QHBoxLayout;
    auto *faster = new QLabel(QStringLiteral("-"), zipGroup);
    faster->setAccessibleName(QCoreApplication::translate("TMainform", "Fastest"));
    bar->addWidget(faster);
    const OptionDescriptor &level = descriptorOf(Option::compressionLevel);
    auto *compressionBar = new QSlider(Qt::Horizontal, zipGroup);
    QLabel *levelCaption = label(Option::compressionLevel, zipGroup);
    levelCaption->setBuddy(compressionBar);
    zip->addWidget(levelCaption, row, 0);
    compressionBar->setAccessibleName(
        QCoreApplication::translate("TMainform", "Compression level"));
    compressionBar->setAccessibleDescription(
        QCoreApplication::translate("TMainform", "Compression level, %1 fastest to %2 smallest")
            .arg(level.minimum)
            .arg(level.maximum));
    compressionBar->setObjectName(QStringLiteral("TrackBar1"));
    compressionBar->setRange(level.minimum, level.maximum);
    compressionBar->setSingleStep(1);
    compressionBar->setPageStep(1);
    compressionBar->setTickInterval(1);
    compressionBar->setTickPosition(QSlider::TicksBelow);
    compressionBar->setToolTip(QCoreApplication::translate("TMainform", level.hint));
    optionbinding::bind(compressionBar, options, Option::compressionLevel);
    bar->addWidget(compressionBar, 1);
    auto *smaller = new QLabel(QStringLiteral("+"), zipGroup);
    smaller->setAccessibleName(QCoreApplication::translate("TMainform", "Smallest"));
    bar->addWidget(smaller);
    zip->addLayout(bar, row, 1, 1, 2);
    column->addWidget(zipGroup);

    auto *unzipGroup =
        new QGroupBox(QCoreApplication::translate("TMainform", "Quick Unzipping Options"), this);
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
    ProgressBar1->setAccessibleName(QCoreApplication::translate("TMainform", "Overall progress"));
    ProgressBar2->setAccessibleName(
        QCoreApplication::translate("TMainform", "Progress of the current file"));
    bars->addWidget(ProgressBar1);
    bars->addWidget(ProgressBar2);
    progress->addLayout(bars, 1);
    Animate1 = new BusyIndicator(this);
    Animate1->setObjectName(QStringLiteral("Animate1"));
    Animate1->setFixedSize(28, 28);
    Animate1->setAccessibleName(QCoreApplication::translate("TMainform", "Busy"));
    progress->addWidget(Animate1);
    column->addLayout(progress);
    column->addStretch(1);

    optionbinding::onChange(options, Option::showSettings, this,
                            [this, &options] { setVisible(options.isOn(Option::showSettings)); });
    commands.addInputWidget(zipGroup);
    commands.addInputWidget(unzipGroup);
}

void OptionsPanel::setOverallProgress(int percent) {
    setProgressValue(*ProgressBar1, percent);
}

void OptionsPanel::setItemProgress(int percent) {
    setProgressValue(*ProgressBar2, percent);
}

void OptionsPanel::setBusy(bool busy) {
    if (busy)
        Animate1->start();
    else
        Animate1->stop();
}
