#pragma once

#include "ScriptOptions.h"
#include "app/OptionValues.h"

#include <QString>
#include <QStringList>

namespace cli {

// One run of the tool as its command line asks for it.
struct CliOptions {
    QString command;
    // The window's options, as the command line sets them. Folders left
    // empty follow the folder of each item, as the window's follow the
    // browsed folder. Nothing is deleted and nothing beeps unless asked.
    OptionValues values = defaultValues();
    // The re-zip's extraction folder, a private one.
    QString rezipFolder;
    QString passwordFile;
    QString reportFile;          // crc: the report, saved as the window saves it
    QStringList removePatterns;  // rezip: the file types taken out of the archives
    QStringList paths;
    bool help = false;
    bool notify = false;   // the end as a desktop notification (file-manager actions)
    ScriptOptions script;  // the command line's own options

    // What the batches read.
    BatchSettings settings() const;

    static OptionValues defaultValues();
};

struct ParsedCommandLine {
    CliOptions options;
    QString error;  // empty when the command line is good
};

// Reads the arguments after the program name: a command, then options and
// paths in any order ("--" ends the options). "--name=value" and
// "--name value" are both understood.
ParsedCommandLine parseCommandLine(const QStringList &arguments);

// The whole usage text, or that of one command.
QString usageText(const QString &command = {});

// The commands the tool knows, in the order --help lists them.
QStringList commandNames();

}  // namespace cli
