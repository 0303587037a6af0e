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
    "DIRWIDT = 163\r\n";

Settings read(const QByteArray &contents) {
    Settings s;
    settingsfile::parse(contents).applyTo(s);
    return s;
}

}  // namespace

TEST(SettingsFile, DefaultsAreTheEighteenLinesInKeyOrder) {
    Settings s;
    s.folderPaneWidth = 163;
    EXPECT_EQ(settingsfile::format(s), QByteArray(kDefaultLines));
}

TEST(SettingsFile, EverySwitchReadsBackWhatWasWritten) {
    bool Settings::*switches[] = {
        &Settings::keepExtension,  &Settings::showIcons,    &Settings::upperCaseZip,
        &Settings::deleteOriginal, &Settings::beepZip,      &Settings::fullPaths,
        &Settings::recurse,        &Settings::beepUnzip,    &Settings::deleteZip,
        &Settings::dateStamp,      &Settings::subFolder,    &Settings::deleteFolder,
        &Settings::showPasswords,  &Settings::showSettings, &Settings::trayIcon};
    for (bool Settings::*flag : switches) {
        Settings changed;
        changed.*flag = !(changed.*flag);
        changed.compression = 3;
        changed.filters = "*.GIF|*.GIF";
        const Settings back = read(settingsfile::format(changed));
        for (bool Settings::*other : switches)
            EXPECT_EQ(back.*other, changed.*other);
        EXPECT_EQ(back.compression, 3);
        EXPECT_EQ(back.filters, "*.GIF|*.GIF");
    }
}

TEST(SettingsFile, LinesAreReadByTheirColumns) {
    const Settings defaults;
    struct Row {
        const char *contents;
        std::function<bool(const Settings &)> check;
    } rows[] = {
        {"SFFI    = F\r\n", [](const Settings &s) { return !s.showIcons; }},
        {"sffi    = F\r\n", [](const Settings &s) { return s.showIcons; }},  // lower-case key
        {"SFFI = F\r\n", [](const Settings &s) { return s.showIcons; }},     // not padded
        {"SFFI    = f\r\n", [](const Settings &s) { return s.showIcons; }},  // not T or F
        {"SFFI    =\r\n", [](const Settings &s) { return s.showIcons; }},    // too short
        {"MZEU    = T\r\n", [](const Settings &s) { return s.upperCaseZip; }},
        {"COMPSTR = 12\r\n", [](const Settings &s) { return s.compression == 1; }},
        {"COMPSTR = 0\r\n", [](const Settings &s) { return s.compression == 8; }},
        {"COMPSTR = x\r\n", [](const Settings &s) { return s.compression == 8; }},
        {"COMPSTR = \r\n", [](const Settings &s) { return s.compression == 8; }},
        {"FED     = *.*|*.*|*.gif|*.gif\r\n",
         [](const Settings &s) { return s.filters == "*.*|*.*|*.GIF|*.GIF"; }},
        {"FED     = \r\n", [](const Settings &s) { return s.filters.isEmpty(); }},
        {"FED     =\r\n", [](const Settings &s) { return s.filters.isEmpty(); }},
        {"FED     = été|ÉTÉ\r\n",
         [](const Settings &s) { return s.filters == QString::fromUtf8("éTé|ÉTÉ"); }},
        {"DOFASZ  = F\r\nDOFASZ  = T\r\n", [](const Settings &s) { return s.deleteOriginal; }},
        {"DOFASZ  = T\r\nDOFASZ  = F\r\n", [](const Settings &s) { return !s.deleteOriginal; }},
        {"DIRWIDT = 400\r\n",
         [&](const Settings &s) {
             return settingsfile::format(s) == settingsfile::format(defaults);
         }},
        {"SHOWSET = F\nSPWT    = F",
         [](const Settings &s) { return !s.showSettings && !s.showPasswords; }},
        {"garbage\r\n\r\n=\r\n",
         [&](const Settings &s) {
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
    EXPECT_EQ(changes->showIcons, std::optional<bool>(false));
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
    Settings s;
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
            EXPECT_EQ(changes->showIcons, std::optional<bool>(false)) << r.name;
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
        Settings s;
        s.showIcons = false;
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
        Settings s;
        s.filters = r.filters;
        const QByteArray text = settingsfile::format(s);
        EXPECT_EQ(text.count("\r\n"), 18) << text.constData();
        EXPECT_EQ(text.count('\r'), 18) << text.constData();
        EXPECT_EQ(text.count('\n'), 18) << text.constData();
        EXPECT_FALSE(text.contains('\0'));
        EXPECT_TRUE(text.contains("\r\nFED     = " + r.written.toUtf8() + "\r\nDOFASZ  = T\r\n"))
            << text.constData();
    }
}
