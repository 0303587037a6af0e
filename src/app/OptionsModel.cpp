#include "OptionsModel.h"

#include "platform/FileSystem.h"

void OptionsModel::setOn(Option option, bool on) {
    values_.setOn(option, on);
    emit changed(option);
}

void OptionsModel::setNumber(Option option, int number) {
    values_.setNumber(option, number);
    emit changed(option);
}

void OptionsModel::setText(Option option, const QString &text) {
    values_.setText(option, text);
    emit changed(option);
}

void OptionsModel::setPinned(Option option, bool pinned) {
    if (values_.isPinned(option) == pinned)
        return;
    values_.setPinned(option, pinned);
    emit changed(option);
}

void OptionsModel::copyFrom(const OptionValues &other, Option option) {
    values_.copyFrom(other, option);
    emit changed(option);
}

void OptionsModel::followBrowser(const QString &folder) {
    const QString current = platform::withSeparator(folder);
    for (const OptionDescriptor &d : kOptionTable)
        if (d.kind == OptionKind::Folder && !isPinned(d.id))
            setText(d.id, current);
}

void OptionsModel::release(Option option, const QString &browsedFolder) {
    setPinned(option, false);
    setText(option, descriptorOf(option).kind == OptionKind::Folder
                        ? platform::withSeparator(browsedFolder)
                        : QString());
}
