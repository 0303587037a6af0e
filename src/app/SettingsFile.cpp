#include "SettingsFile.h"

#include "platform/AsciiCase.h"
#include "platform/SaveFile.h"

#include <QDir>

namespace {

// The switches in file order, with where each lives in the two structures.
struct Switch {
    const char *key;
    bool Settings::*value;
    std::optional<bool> SettingsChanges::*change;
};

constexpr Switch kSwitchesBeforeFilters[] = {
    {"POFEIZF", &Settings::keepExtension, &SettingsChanges::keepExtension},
    {"SFFI", &Settings::showIcons, &SettingsChanges::showIcons},
    {"MZEU", &Settings::upperCaseZip, &SettingsChanges::upperCaseZip},
};

constexpr Switch kSwitchesAfterFilters[] = {
    {"DOFASZ", &Settings::deleteOriginal, &SettingsChanges::deleteOriginal},
    {"BWZPIC", &Settings::beepZip, &SettingsChanges::beepZip},
    {"SFFPIZF", &Settings::fullPaths, &SettingsChanges::fullPaths},
    {"RFIZCT", &Settings::recurse, &SettingsChanges::recurse},
    {"BWUPIC", &Settings::beepUnzip, &SettingsChanges::beepUnzip},
    {"DZASU", &Settings::deleteZip, &SettingsChanges::deleteZip},
    {"MDTSSAS", &Settings::dateStamp, &SettingsChanges::dateStamp},
    {"UEFIIOF", &Settings::subFolder, &SettingsChanges::subFolder},
    {"DFOLDER", &Settings::deleteFolder, &SettingsChanges::deleteFolder},
    {"SPWT", &Settings::showPasswords, &SettingsChanges::showPasswords},
    {"SHOWSET", &Settings::showSettings, &SettingsChanges::showSettings},
    {"SIIST", &Settings::trayIcon, &SettingsChanges::trayIcon},
};

// A key in columns 1 to 8, filled up with blanks.
QString column(const char *key) {
    return QString::fromLatin1(key).leftJustified(8, QLatin1Char(' '));
}

// A value as one line can hold it: control characters (NUL, CR, LF and the
// rest) and the Unicode line and paragraph separators would end the line
// early or split it for some later reader, so they are left out.
QString oneLine(const QString &value) {
    QString line;
    line.reserve(value.size());
    for (const QChar c : value) {
        const QChar::Category category = c.category();
        if (category != QChar::Other_Control && category != QChar::Separator_Line &&
            category != QChar::Separator_Paragraph)
            line += c;
    }
    return line;
}

// The first ten columns of a line: key, "=", blank.
QString lead(const char *key) {
    return column(key) + QStringLiteral("= ");
}

}  // namespace

void SettingsChanges::applyTo(Settings &settings) const {
    for (const Switch &s : kSwitchesBeforeFilters)
        if (this->*s.change)
            settings.*s.value = *(this->*s.change);
    for (const Switch &s : kSwitchesAfterFilters)
        if (this->*s.change)
            settings.*s.value = *(this->*s.change);
    if (filters)
        settings.filters = *filters;
    if (compression)
        settings.compression = *compression;
}

namespace settingsfile {

SettingsChanges parse(const QByteArray &contents) {
    SettingsChanges changes;
    const QStringList lines = QString::fromUtf8(contents).split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString key = line.left(8);
        // Column 11 (index 10) holds a switch's value and a number's digit.
        const QChar value = line.size() > 10 ? line.at(10) : QChar();
        bool handled = false;
        auto applySwitch = [&](const Switch &s) {
            if (key != column(s.key))
                return;
            handled = true;
            if (value == QLatin1Char('T'))
                changes.*s.change = true;
            if (value == QLatin1Char('F'))
                changes.*s.change = false;
        };
        for (const Switch &s : kSwitchesBeforeFilters)
            applySwitch(s);
        for (const Switch &s : kSwitchesAfterFilters)
            applySwitch(s);
        if (handled)
            continue;
        if (key == column("FED")) {
            changes.filters = platform::asciiUpper(line.mid(10));
        } else if (key == column("COMPSTR")) {
            // Only column 11 counts, so "12" reads as 1. A 0 lies outside the
            // track bar's range of 1 to 9 and is skipped like any bad value.
            if (value >= QLatin1Char('1') && value <= QLatin1Char('9'))
                changes.compression = value.digitValue();
        }
    }
    return changes;
}

QByteArray format(const Settings &settings) {
    QString text;
    const QString crlf = QStringLiteral("\r\n");
    auto sw = [&](const Switch &s) {
        text += lead(s.key) + (settings.*s.value ? QLatin1Char('T') : QLatin1Char('F')) + crlf;
    };
    for (const Switch &s : kSwitchesBeforeFilters)
        sw(s);
    text += lead("FED") + oneLine(settings.filters) + crlf;
    for (const Switch &s : kSwitchesAfterFilters)
        sw(s);
    text += lead("COMPSTR") + QString::number(settings.compression) + crlf;
    text += lead("DIRWIDT") + QString::number(settings.folderPaneWidth) + crlf;
    return text.toUtf8();
}

QString locate(const QString &folder) {
    const QDir dir(folder);
    const QString wanted = QString::fromLatin1(kFileName);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    }
    return dir.filePath(wanted);
}

std::optional<SettingsChanges> read(const QString &path) {
    // Eighteen short lines; anything much larger, or anything but a regular
    // file (a pipe, a device), is not a settings file.
    const std::optional<QByteArray> contents = platform::readRegularFile(path, kMaxFileSize);
    if (!contents)
        return std::nullopt;
    return parse(*contents);
}

bool write(const QString &path, const Settings &settings) {
    return platform::saveWholeInFolder(path, format(settings));
}

}  // namespace settingsfile
