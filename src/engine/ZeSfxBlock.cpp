#include "ZeSfxBlock.h"

#include <cstring>

SfxTexts SfxTexts::defaults() {
    SfxTexts t;
    t.Messages = {
        QStringLiteral("All files were succesfully extracted."),
        QStringLiteral("Error during extraction. One of more files were not succesfully "
                       "extracted. (Error %e)"),
        QStringLiteral("Unable to create directory '%d'"),
        QStringLiteral("Welcome to the Zip self-extractor. This program will extract some files "
                       "onto your system."),
        QString(),
    };
    t.Prompts = {
        QStringLiteral("Select the path where you want to extract the files to."),
        QStringLiteral("A password is required for file:"),
        QStringLiteral("Please insert the last disk of the set."),
        QStringLiteral("Please insert disk #%n."),
        QStringLiteral("Are you sure you want to abort the self-extracting process?"),
        QStringLiteral("'%d' does not exist. Do you want to create it?"),
        QStringLiteral("The file '%f' already exists. Do you want to overwrite it?"),
    };
    t.Labels = {
        QStringLiteral("Extracting file:"),
        QStringLiteral("Overall progress:"),
        QStringLiteral("The Zip Self-Extractor"),
        QStringLiteral("Current extract directory:"),
        QStringLiteral("%s on '%c'"),
        QStringLiteral("Entire Network"),
    };
    t.Buttons = {
        QStringLiteral("&OK"),        QStringLiteral("&Cancel"),      QStringLiteral("&Abort"),
        QStringLiteral("&Skip File"), QStringLiteral("&Always Skip"), QStringLiteral("&Yes"),
        QStringLiteral("&No"),        QStringLiteral("&All"),         QStringLiteral("N&one"),
        QStringLiteral("&Continue"),  QStringLiteral("&Exit"),        QStringLiteral("&Agree"),
        QStringLiteral("&Refuse"),
    };
    return t;
}

void ZeSfxBlock::fill(Group &group, const QStringList &texts, int count) {
    // Always exactly `count` texts: a group the caller shortened reads as
    // empty texts rather than past the end of an array.
    group.texts.reserve(count);
    for (int i = 0; i < count; ++i)
        group.texts.push_back(i < texts.size() ? texts.at(i).toUtf8() : QByteArray());
    for (const QByteArray &t : group.texts)
        group.pointers.push_back(t.constData());
}

ZeSfxBlock::ZeSfxBlock(const SfxTexts &texts)
    : caption_(texts.Caption.toUtf8()), commandLine_(texts.CommandLine.toUtf8()) {
    fill(messages_, texts.Messages, 5);
    fill(prompts_, texts.Prompts, 7);
    fill(labels_, texts.Labels, 6);
    fill(buttons_, texts.Buttons, 13);

    const QByteArray signature = slotText().toLatin1();
    std::memcpy(settings_.signature, signature.constData(), signature.size() + 1);
    settings_.size = sizeof(ZeSfxSettings);
    settings_.caption = caption_.constData();
    settings_.command_line = commandLine_.constData();
    settings_.overwrite = texts.Overwrite;
    settings_.ask_directory = texts.AskDirectory ? 1 : 0;
    settings_.auto_run = texts.AutoRun ? 1 : 0;
    settings_.messages = messages_.pointers.data();
    settings_.prompts = prompts_.pointers.data();
    settings_.labels = labels_.pointers.data();
    settings_.buttons = buttons_.pointers.data();
    settings_.icon = nullptr;
}
