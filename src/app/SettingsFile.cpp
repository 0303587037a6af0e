#include "SettingsFile.h"

#include "platform/AsciiCase.h"
#include "platform/SaveFile.h"

#include <QDir>
#include <QStringDecoder>

namespace {

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

// Reads the value of `line` for the option of `d` into `changes`, when it
// is a valid one.
void readValue(const OptionDescriptor &d, const QString &line, SettingsChanges &changes) {
    // Column 11 (index 10) holds a switch's value and a number's digit.
    const QChar value = line.size() > 10 ? line.at(10) : QChar();
    switch (d.kind) {
        case OptionKind::Switch:
            if (value != QLatin1Char('T') && value != QLatin1Char('F'))
                return;
            changes.values.setOn(d.id, value == QLatin1Char('T'));
            break;
        case OptionKind::Number: {
            // Only column 11 counts, so "12" reads as 1; a digit outside the
            // option's range (the track bar's 1 to 9) is skipped like any
            // bad value.
            if (value < QLatin1Char('0') || value > QLatin1Char('9'))
                return;
            const int digit = value.unicode() - '0';
            if (digit < d.minimum || digit > d.maximum)
                return;
            changes.values.setNumber(d.id, digit);
            break;
        }
        case OptionKind::Text:
        case OptionKind::Folder:
        case OptionKind::File: {
            const QString text = line.mid(10);
            changes.values.setText(d.id, d.upperCaseOnRead ? platform::asciiUpper(text) : text);
            break;
        }
    }
    changes.present.removeAll(d.id);
    changes.present.append(d.id);
}

}  // namespace

void SettingsChanges::applyTo(OptionValues &target) const {
    for (Option option : present)
        target.copyFrom(values, option);
}

namespace settingsfile {

int lineCount() {
    int lines = 0;
    for (const OptionDescriptor &d : kOptionTable)
        if (d.key)
            ++lines;
    return lines;
}

QString decode(const QByteArray &contents) {
    // A file edited by hand in an 8-bit character set is not UTF-8; read as
    // UTF-8 it would turn every such byte into U+FFFD, which the next write
    // would keep for good.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(contents);
    if (utf8.hasError())
        return QString::fromLatin1(contents);
    return text;
}

SettingsChanges parse(const QByteArray &contents) {
    SettingsChanges changes;
    const QStringList lines = decode(contents).split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString key = line.left(8);
        for (const OptionDescriptor &d : kOptionTable) {
            if (d.key && !d.writtenOnly && key == column(d.key)) {
                readValue(d, line, changes);
                break;
            }
        }
    }
    return changes;
}

QByteArray format(const OptionValues &values) {
    QString text;
    const QString crlf = QStringLiteral("\r\n");
    for (const OptionDescriptor &d : kOptionTable) {
        if (!d.key)
            continue;
        text += lead(d.key);
        switch (d.kind) {
            case OptionKind::Switch:
                text += values.isOn(d.id) ? QLatin1Char('T') : QLatin1Char('F');
                break;
            case OptionKind::Number:
                text += QString::number(values.number(d.id));
                break;
            case OptionKind::Text:
            case OptionKind::Folder:
            case OptionKind::File:
                text += oneLine(values.text(d.id));
                break;
        }
        text += crlf;
    }
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
    // A few short lines; anything much larger, or anything but a regular
    // file (a pipe, a device), is not a settings file.
    const std::optional<QByteArray> contents = platform::readRegularFile(path, kMaxFileSize);
    if (!contents)
        return std::nullopt;
    return parse(*contents);
}

bool write(const QString &path, const OptionValues &values) {
    return platform::saveWholeInFolder(path, format(values));
}

}  // namespace settingsfile
