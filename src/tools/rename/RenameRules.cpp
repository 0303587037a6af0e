#include "RenameRules.h"

#include "platform/AsciiCase.h"

namespace tools {

namespace {

QString applySpacing(const QString &name, SpacingRule rule) {
    QString result;
    result.reserve(name.size());
    for (const QChar c : name) {
        switch (rule) {
            case SpacingRule::None:
                result += c;
                break;
            case SpacingRule::SpacesToUnderscores:
                result += c == u' ' ? QChar(u'_') : c;
                break;
            case SpacingRule::UnderscoresToSpaces:
                result += c == u'_' ? QChar(u' ') : c;
                break;
            case SpacingRule::RemoveSpaces:
                if (c != u' ')
                    result += c;
                break;
            case SpacingRule::RemoveBrackets:
                if (c != u'[' && c != u']')
                    result += c;
                break;
        }
    }
    return result;
}

bool startsWord(QChar previous) {
    return previous == u' ' || previous == u'-' || previous == u'[' || previous == u'.' ||
           previous == u'(';
}

QString capitalise(const QString &name) {
    QString result = platform::asciiLower(name);
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (i == 0 || startsWord(name[i - 1]))
            result[i] = platform::asciiUpper(QString(name[i]))[0];
    }
    return result;
}

}  // namespace

QString applyRenameRules(const QString &name, RenameRules rules) {
    const QString spaced = applySpacing(name, rules.spacing);
    switch (rules.letterCase) {
        case CaseRule::None:
            return spaced;
        case CaseRule::Upper:
            return platform::asciiUpper(spaced);
        case CaseRule::Lower:
            return platform::asciiLower(spaced);
        case CaseRule::Capitalise:
            return capitalise(spaced);
    }
    return spaced;
}

QString nameForRenaming(const QString &ruled) {
    qsizetype first = 0;
    qsizetype last = ruled.size();
    while (first < last && ruled[first].unicode() <= u' ')
        ++first;
    while (last > first && ruled[last - 1].unicode() <= u' ')
        --last;
    return ruled.mid(first, last - first);
}

bool usableFileName(const QString &name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..");
}

}  // namespace tools
