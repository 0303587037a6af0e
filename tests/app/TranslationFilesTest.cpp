// The translation files: every text of the window has a finished
// translation in every language, and each translation keeps what the program
// fills in or the user presses: the %1 placeholders, the & of a mnemonic,
// the spaces at either end (a log line follows a file name) and the closing
// mark. The files also hold every text the sources hold today.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type;  // "unfinished", "vanished", "obsolete" or empty
};

QList<Message> readTs(const QString &path) {
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot open " << path.toStdString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            m = Message{context, {}, {}, {}};
        else if (xml.name() == u"source")
            m.source = xml.readElementText();
        else if (xml.name() == u"translation") {
            m.type = xml.attributes().value(QStringLiteral("type")).toString();
            m.translation = xml.readElementText();
            messages << m;
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QStringList sorted(QStringList list) {
    list.sort();
    return list;
}

QStringList placeholders(const QString &text) {
    static const QRegularExpression marker(QStringLiteral("%(\\d+|s)"));
    QStringList found;
    for (const QRegularExpressionMatch &m : marker.globalMatch(text))
        found << m.captured();
    return sorted(found);
}

// "&File" has one; "&&" is a plain ampersand.
int mnemonics(const QString &text) {
    return QString(text).remove(QStringLiteral("&&")).count(QLatin1Char('&'));
}

QString leading(const QString &text) {
    return text.left(text.size() - QString(text).remove(QRegularExpression("^\\s+")).size());
}

QString trailing(const QString &text) {
    return text.right(text.size() - QString(text).remove(QRegularExpression("\\s+$")).size());
}

QChar closingMark(const QString &text) {
    const QString t = text.trimmed();
    return !t.isEmpty() && QStringLiteral(".:?!").contains(t.back()) ? t.back() : QChar();
}

// What is wrong with one translation; empty when nothing is.
QString faultOf(const Message &m) {
    if (!m.type.isEmpty())
        return QStringLiteral("marked ") + m.type;
    if (m.translation.isEmpty())
        return QStringLiteral("not translated");
    if (placeholders(m.source) != placeholders(m.translation))
        return QStringLiteral("placeholders differ");
    if (mnemonics(m.source) != mnemonics(m.translation))
        return QStringLiteral("mnemonic differs");
    if (leading(m.source) != leading(m.translation) ||
        trailing(m.source) != trailing(m.translation))
        return QStringLiteral("spaces at the ends differ");
    // A label shortened to fit its button may end in an abbreviation's dot.
    if (!closingMark(m.source).isNull() && closingMark(m.source) != closingMark(m.translation))
        return QStringLiteral("closing mark differs");
    if (m.source.count(QLatin1Char('\n')) != m.translation.count(QLatin1Char('\n')))
        return QStringLiteral("line breaks differ");
    return {};
}

QString tsFile(const QString &language) {
    return QStringLiteral(TOVRANE_SOURCE_DIR "/translations/tovrane_%1.ts").arg(language);
}

const QStringList kLanguages{QStringLiteral("de"), QStringLiteral("fr")};

}  // namespace

TEST(TranslationFiles, TheCheckFindsEachKindOfFault) {
    struct Row {
        const char *source;
        const char *translation;
        const char *type;
        const char *fault;  // empty: accepted
    };
    const Row rows[] = {
        {"Zipping: %1/%2 - %3%", "Packen: %1/%2 - %3%", "", ""},
        {"Drive", "", "", "not translated"},
        {"Drive", "Laufwerk", "unfinished", "marked unfinished"},
        {"%1 of %2", "%1 von %1", "", "placeholders differ"},
        {"Cannot delete file %s", "Datei kann nicht gelöscht werden", "", "placeholders differ"},
        {"&File", "Datei", "", "mnemonic differs"},
        {"Save && close", "Speichern && schließen", "", ""},
        {" skipped. (Disk full)", "übersprungen. (Datenträger voll)", "",
         "spaces at the ends differ"},
        {"Number found : ", "Anzahl:", "", "spaces at the ends differ"},
        {"Delete them ?", "Löschen?", "", ""},
        {"Delete them ?", "Löschen.", "", "closing mark differs"},
        {"Rename", "Umben.", "", ""},
        {"One\ntwo", "Eins zwei", "", "line breaks differ"},
    };
    for (const Row &r : rows) {
        const Message m{QStringLiteral("C"), QString::fromUtf8(r.source),
                        QString::fromUtf8(r.translation), QString::fromUtf8(r.type)};
        EXPECT_EQ(faultOf(m).toStdString(), r.fault) << r.source << " -> " << r.translation;
    }
}

TEST(TranslationFiles, EveryTextIsTranslatedAndKeepsWhatTheProgramFillsIn) {
    for (const QString &language : kLanguages) {
        const QList<Message> messages = readTs(tsFile(language));
        EXPECT_GT(messages.size(), 300) << language.toStdString();
        for (const Message &m : messages) {
            const QString fault = faultOf(m);
            EXPECT_TRUE(fault.isEmpty())
                << language.toStdString() << " [" << m.context.toStdString() << "] \""
                << m.source.toStdString() << "\" -> \"" << m.translation.toStdString()
                << "\": " << fault.toStdString();
        }
    }
}

// lupdate reads the sources into a fresh file; each language's file must hold
// the same texts, or `cmake --build build --target translations` was not run
// after a text changed.
TEST(TranslationFiles, HoldEveryTextOfTheSources) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString fresh = scratch.filePath(QStringLiteral("fresh_de.ts"));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(
        QStringLiteral(TOVRANE_LUPDATE),
        {QStringLiteral("-silent"), QStringLiteral("-recursive"), QStringLiteral("-locations"),
         QStringLiteral("none"), QStringLiteral("-extensions"), QStringLiteral("cpp,h"),
         QStringLiteral(TOVRANE_SOURCE_DIR "/src"), QStringLiteral("-ts"), fresh});
    ASSERT_TRUE(lupdate.waitForFinished(-1));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAll().toStdString();
    QStringList wanted;
    for (const Message &m : readTs(fresh))
        wanted << m.context + QLatin1Char('|') + m.source;
    ASSERT_GT(wanted.size(), 300);
    for (const QString &language : kLanguages) {
        QStringList held;
        for (const Message &m : readTs(tsFile(language)))
            held << m.context + QLatin1Char('|') + m.source;
        // Named texts, not the lists: a failure says what to refresh.
        const QSet<QString> heldSet(held.cbegin(), held.cend());
        const QSet<QString> wantedSet(wanted.cbegin(), wanted.cend());
        EXPECT_EQ(QStringList((wantedSet - heldSet).values()).join(QLatin1Char('\n')).toStdString(),
                  "")
            << language.toStdString() << ": not in the file; run the translations target";
        EXPECT_EQ(QStringList((heldSet - wantedSet).values()).join(QLatin1Char('\n')).toStdString(),
                  "")
            << language.toStdString() << ": no longer in the sources";
    }
}
