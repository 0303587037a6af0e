#include "app/SettingsFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

using testsupport::TempFolder;

namespace {

const char *const kDefaultLines =
    "POFEIZF = F\r\n"
    "SFFI    = T\r\n"
    "MZEU    = F\r\n"
    "FED     = *.*|*.*|*.BMP|*.BMP|*.DOC|*.DOC|*.JPG|*.JPG|*.TXT|*.TXT|*.WMF|*.WMF\r\n"
    "DOFASZ  = T\r\n"
    "BWZPIC  = T\r\n"
    "SFFPIZF = F\r\n"
    "RFIZCT  = T\r\n"
    "BWUPIC  = T\r\n"
    "DZASU   = T\r\n"
    "MDTSSAS = F\r\n"
    "UEFIIOF = F\r\n"
    "DFOLDER = F\r\n"
    "SPWT    = T\r\n"
    "SHOWSET = T\r\n"
    "SIIST   = T\r\n"
    "COMPSTR = 8\r\n"
    "DIRWIDT = 163\r\n"
    // Settings added since, after the eighteen.
    "TRASHDEL= T\r\n"
    "TESTDEL = T\r\n";

OptionValues read(const QByteArray &contents) {
    OptionValues s;
    settingsfile::parse(contents).applyTo(s);
    return s;
}

bool on(const OptionValues &s, Option option) {
    return s.isOn(option);
}

bool same(const OptionValues &a, const OptionValues &b, Option option) {
    return a.isOn(option) == b.isOn(option) && a.number(option) == b.number(option) &&
           a.text(option) == b.text(option);
}

}  // namespace

TEST(SettingsFile, DefaultsAreTheEighteenLinesInKeyOrderThenTheNewOnes) {
    OptionValues s;
    s.setNumber(Option::folderPaneWidth, 163);
    EXPECT_EQ(settingsfile::format(s), QByteArray(kDefaultLines));
}

// Each stored setting, changed alone, reads back as written with all the
// others; a file without its line leaves it at its default.
TEST(SettingsFile, EveryStoredSettingReadsBackWhatWasWritten) {
    int stored = 0;
    for (const OptionDescriptor &d : kOptionTable) {
        if (!d.key || d.writtenOnly)
            continue;
        SCOPED_TRACE(d.key);
        ++stored;
        OptionValues changed;
        if (d.kind == OptionKind::Switch)
            changed.setOn(d.id, !d.on);
        else if (d.kind == OptionKind::Number)
            changed.setNumber(d.id, d.number == d.minimum ? d.maximum : d.minimum);
        else
            changed.setText(d.id, "*.GIF|*.GIF");
        ASSERT_FALSE(same(changed, OptionValues(), d.id));
        const QByteArray written = settingsfile::format(changed);
        const SettingsChanges back = settingsfile::parse(written);
        for (const OptionDescriptor &other : kOptionTable) {
            if (other.key && !other.writtenOnly) {
                EXPECT_TRUE(back.has(other.id)) << other.key;
                EXPECT_TRUE(same(back.values, changed, other.id)) << other.key;
            }
        }
        QByteArray without = written;
        const qsizetype line = without.indexOf(QByteArray(d.key).leftJustified(8, ' ') + "= ");
        without.remove(line, without.indexOf("\r\n", line) + 2 - line);
        const SettingsChanges missing = settingsfile::parse(without);
        EXPECT_FALSE(missing.has(d.id));
        EXPECT_EQ(missing.present.size(), settingsfile::lineCount() - 2);  // and DIRWIDT
        EXPECT_TRUE(same(read(without), OptionValues(), d.id));
    }
    EXPECT_EQ(stored, settingsfile::lineCount() - 1);  // all but DIRWIDT
}

TEST(SettingsFile, LinesAreReadByTheirColumns) {
    const OptionValues defaults;
    struct Row {
        const char *contents;
        std::function<bool(const OptionValues &)> check;
    } rows[] = {
        {"SFFI    = F\r\n", [](const OptionValues &s) { return !on(s, Option::showIcons); }},
        {"sffi    = F\r\n",
         [](const OptionValues &s) { return on(s, Option::showIcons); }},  // lower-case key
        {"SFFI = F\r\n",
         [](const OptionValues &s) { return on(s, Option::showIcons); }},  // not padded
        {"SFFI    = f\r\n",
         [](const OptionValues &s) { return on(s, Option::showIcons); }},  // not T or F
        {"SFFI    =\r\n",
         [](const OptionValues &s) { return on(s, Option::showIcons); }},  // too short
        {"MZEU    = T\r\n",
         [](const OptionValues &s) { return on(s, Option::upperCaseExtension); }},
        {"COMPSTR = 12\r\n",
         [](const OptionValues &s) { return s.number(Option::compressionLevel) == 1; }},
        {"COMPSTR = 0\r\n",
         [](const OptionValues &s) { return s.number(Option::compressionLevel) == 8; }},
        {"COMPSTR = x\r\n",
         [](const OptionValues &s) { return s.number(Option::compressionLevel) == 8; }},
        {"COMPSTR = \r\n",
         [](const OptionValues &s) { return s.number(Option::compressionLevel) == 8; }},
        {"FED     = *.*|*.*|*.gif|*.gif\r\n",
         [](const OptionValues &s) { return s.text(Option::filters) == "*.*|*.*|*.GIF|*.GIF"; }},
        {"FED     = \r\n", [](const OptionValues &s) { return s.text(Option::filters).isEmpty(); }},
        {"FED     =\r\n", [](const OptionValues &s) { return s.text(Option::filters).isEmpty(); }},
        {"FED     = été|ÉTÉ\r\n",
         [](const OptionValues &s) {
             return s.text(Option::filters) == QString::fromUtf8("éTé|ÉTÉ");
         }},
        // Bytes of an 8-bit character set, not UTF-8: read as Latin-1.
        {"FED     = *.\xE9t\xE9|*.\xC9T\xC9\r\n",
         [](const OptionValues &s) {
             return s.text(Option::filters) == QString::fromUtf8("*.éTé|*.ÉTÉ") &&
                    settingsfile::format(s).contains("FED     = *.éTé|*.ÉTÉ\r\n");
         }},
        {"DOFASZ  = F\r\nDOFASZ  = T\r\n",
         [](const OptionValues &s) { return on(s, Option::deleteOriginal); }},
        {"DOFASZ  = T\r\nDOFASZ  = F\r\n",
         [](const OptionValues &s) { return !on(s, Option::deleteOriginal); }},
        {"DIRWIDT = 400\r\n",
         [&](const OptionValues &s) {
             return settingsfile::format(s) == settingsfile::format(defaults);
         }},
        {"SHOWSET = F\nSPWT    = F",
         [](const OptionValues &s) {
             return !on(s, Option::showSettings) && !on(s, Option::showPasswords);
         }},
        {"garbage\r\n\r\n=\r\n",
         [&](const OptionValues &s) {
             return settingsfile::format(s) == settingsfile::format(defaults);
         }},
    };
    for (const Row &r : rows)
        EXPECT_TRUE(r.check(read(QByteArray(r.contents)))) << r.contents;
}

TEST(SettingsFile, NameIsFoundWithoutRegardToCase) {
    TempFolder tmp;
    EXPECT_EQ(settingsfile::locate(tmp.path()), tmp.path("Tovrane5.Cfg"));
    tmp.write("TOVRANE5.CFG", "SFFI    = F\r\n");
    EXPECT_EQ(settingsfile::locate(tmp.path()), tmp.path("TOVRANE5.CFG"));
    const auto changes = settingsfile::read(settingsfile::locate(tmp.path()));
    ASSERT_TRUE(changes.has_value());
    EXPECT_TRUE(changes->has(Option::showIcons));
    EXPECT_FALSE(changes->values.isOn(Option::showIcons));
}

TEST(SettingsFile, MissingOrUnreadableFilesGiveNothing) {
    TempFolder tmp;
    EXPECT_FALSE(settingsfile::read(tmp.path("Tovrane5.Cfg")).has_value());
    tmp.mkdir("Tovrane5.Cfg-folder");
    EXPECT_FALSE(settingsfile::read(tmp.path("Tovrane5.Cfg-folder")).has_value());
}

TEST(SettingsFile, WritingReplacesWholeOrNotAtAll) {
    TempFolder tmp;
    const QString path = tmp.write(
        "Tovrane5.Cfg", "old contents that are longer than the new ones" + QByteArray(2000, 'x'));
    OptionValues s;
    ASSERT_TRUE(settingsfile::write(path, s));
    EXPECT_EQ(testsupport::readAll(path), settingsfile::format(s));
    // A folder that is really a file cannot take the settings.
    const QString blocker = tmp.write("blocker");
    EXPECT_FALSE(settingsfile::write(blocker + "/Tovrane5.Cfg", s));
}

TEST(SettingsFile, OnlySmallRegularFilesAreRead) {
    TempFolder tmp;
    const QString elsewhere = tmp.write("elsewhere/real.cfg", "SFFI    = F\r\n");
    tmp.write("big.cfg", QByteArray("SFFI    = F\r\n").leftJustified(1024 * 1024 + 1, ' '));
    tmp.write("limit.cfg", QByteArray("SFFI    = F\r\n").leftJustified(1024 * 1024, ' '));
    ASSERT_EQ(mkfifo(QFile::encodeName(tmp.path("fifo.cfg")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", tmp.path("zero.cfg")));
    ASSERT_TRUE(QFile::link(elsewhere, tmp.path("link.cfg")));
    const struct {
        const char *name;
        bool read;
    } rows[] = {
        {"fifo.cfg", false},  // would block for a writer
        {"zero.cfg", false},  // would never end
        {"big.cfg", false},  {"limit.cfg", true},
        {"link.cfg", true},  // reading through a link harms nothing
    };
    for (const auto &r : rows) {
        const auto changes = settingsfile::read(tmp.path(r.name));
        EXPECT_EQ(changes.has_value(), r.read) << r.name;
        if (changes) {
            EXPECT_TRUE(changes->has(Option::showIcons)) << r.name;
            EXPECT_FALSE(changes->values.isOn(Option::showIcons)) << r.name;
        }
    }
}

TEST(SettingsFile, WritingReplacesALinkInsteadOfFollowingIt) {
    TempFolder tmp;
    const QString outside = tmp.write("outside/victim.txt", "keep me");
    const QString settingsFolder = tmp.mkdir("app");
    const struct {
        const char *name;
        QString target;
    } rows[] = {
        {"Tovrane5.Cfg", outside},
        {"Dangling.Cfg", tmp.path("outside/missing.txt")},
    };
    for (const auto &r : rows) {
        const QString path = settingsFolder + "/" + r.name;
        ASSERT_TRUE(QFile::link(r.target, path));
        OptionValues s;
        s.setOn(Option::showIcons, false);
        ASSERT_TRUE(settingsfile::write(path, s)) << r.name;
        EXPECT_FALSE(QFileInfo(path).isSymLink()) << r.name;
        EXPECT_EQ(testsupport::readAll(path), settingsfile::format(s)) << r.name;
    }
    EXPECT_EQ(testsupport::readAll(outside), "keep me");
    EXPECT_FALSE(QFile::exists(tmp.path("outside/missing.txt")));
    // No temporary file is left beside the settings.
    EXPECT_EQ(QDir(settingsFolder).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST(SettingsFile, ValuesNeverBreakTheirLine) {
    const struct {
        QString filters;
        QString written;
    } rows[] = {
        {QString::fromUtf8("*.A|*.A\r\nSFFI    = F"), "*.A|*.ASFFI    = F"},
        {QString::fromUtf8("*.A\0|*.A", 8), "*.A|*.A"},
        {QString::fromUtf8("*.A\r|*.A"), "*.A|*.A"},
        {QString::fromUtf8("*.A\t|\x1b*.A\x7f"), "*.A|*.A"},
        {QString::fromUtf8("*.A\u2028|*.A\u0085"), "*.A|*.A"},
        {QString::fromUtf8("*.É|*.日本"), QString::fromUtf8("*.É|*.日本")},
    };
    for (const auto &r : rows) {
        OptionValues s;
        s.setText(Option::filters, r.filters);
        const QByteArray text = settingsfile::format(s);
        const int lines = settingsfile::lineCount();
        EXPECT_EQ(text.count("\r\n"), lines) << text.constData();
        EXPECT_EQ(text.count('\r'), lines) << text.constData();
        EXPECT_EQ(text.count('\n'), lines) << text.constData();
        EXPECT_FALSE(text.contains('\0'));
        EXPECT_TRUE(text.contains("\r\nFED     = " + r.written.toUtf8() + "\r\nDOFASZ  = T\r\n"))
            << text.constData();
    }
}
