// The argument vectors the component hands to the engine, checked slot by
// slot for the defaults, every option at once, and the corner cases.
#include "engine/ZipEngine.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <functional>

namespace {

// Every option switched on, with texts that show where each one lands.
void everyOption(TZipEngine &e) {
    e.Password = "pw";
    e.Compression = 9;
    e.ClearDisks = true;
    e.MoveFiles = true;
    e.ExtractDirectory = "/out";
    e.IncludeHiddenFiles = true;
    e.IncludeDirectoryEntries = true;
    e.IncludeVolumeLabel = true;
    e.Overwrite = zowAlways;
    e.Recurse = true;
    e.UseTempFile = false;
    e.TempPath = "/tmp/work";
    e.ZipFileName = "/a/b.zip";
    e.FilesToProcess = QStringList{"x.txt", ">*.doc", "<*.bak", "", "y.txt"};
    e.FilesAfterDate = QDate(2021, 3, 5);
    e.ExtractOption1 = 3;
    e.ExtractOption2 = 4;
    e.SfxBinary = "/bin/stub.sfx";
    e.Sfx.DefaultDirectory = "/extract/here";
}

const QString kStored = ".ZIP;.LZH;.ARC;.ARJ;.ZOO";

struct Row {
    const char *name;
    std::function<void(TZipEngine &)> setup;
    std::function<ZeArguments(const TZipEngine &)> build;
    QStringList expected;
};

ZeArguments zip(const TZipEngine &e, TZeAction a) {
    return e.zipArguments(a);
}

void plain(TZipEngine &e) {
    e.ZipFileName = "a.zip";
    e.FilesToProcess = QStringList{"f"};
}

TEST(ArgumentVector, EachOperationSlotBySlot) {
    const Row rows[] = {
        {"zip defaults",
         plain,
         [](auto &e) { return zip(e, zacNormal); },
         {"", "-6", "-n", kStored, "-t", "01011980", "a.zip", "-W", "f"}},
        {"zip, new archives not flushed",
         [](auto &e) {
             plain(e);
             e.FlushNewArchives = false;
         },
         [](auto &e) { return zip(e, zacNormal); },
         {"", "-6", "--no-flush", "-n", kStored, "-t", "01011980", "a.zip", "-W", "f"}},
        {"extract defaults",
         plain,
         [](auto &e) { return e.extractArguments(zacNormal); },
         {"", "-10", "-2-1", "a.zip", "f"}},
        {"test defaults",
         plain,
         [](auto &e) { return e.testArguments(); },
         {"", "-t", "a.zip", "f"}},
        {"stamp defaults", plain, [](auto &e) { return e.stampArguments(); }, {"", "-o", "a.zip"}},
        {"zip, every option, multi-disk",
         [](auto &e) {
             everyOption(e);
             e.MultidiskMode = true;
         },
         [](auto &e) { return zip(e, zacNormal); },
         {"pw", "-e",        "-9",    "-m",    "-S",    "-D", "-$",   "-r",       "-g",
          "-b", "/tmp/work", "-n",    kStored, "-!",    "-&", "-t",   "05032021", "/a/b.zip",
          "-W", "x.txt",     "y.txt", "-i",    "*.doc", "-x", "*.bak"}},
        {"freshen, every option",
         everyOption,
         [](auto &e) { return zip(e, zacFreshen); },
         {"pw",        "-f",    "-e",    "-9",    "-m", "-r",       "-g",       "-b",
          "/tmp/work", "-n",    kStored, "-&",    "-t", "05032021", "/a/b.zip", "-W",
          "x.txt",     "y.txt", "-i",    "*.doc", "-x", "*.bak"}},
        {"update, every option",
         everyOption,
         [](auto &e) { return zip(e, zacUpdate); },
         {"pw",       "-u", "-e",        "-9",    "-m",    "-S",    "-D", "-r",
          "-g",       "-b", "/tmp/work", "-n",    kStored, "-&",    "-t", "05032021",
          "/a/b.zip", "-W", "x.txt",     "y.txt", "-i",    "*.doc", "-x", "*.bak"}},
        {"make sfx, every option",
         everyOption,
         [](auto &e) { return zip(e, zacMakeSfx); },
         {"pw", "-M", "-X", "/bin/stub.sfx", "/extract/here", "<sfx-settings>", "-g", "-b",
          "/tmp/work", "/a/b.zip"}},
        {"zip as self-extractor, without paths",
         [](auto &e) {
             everyOption(e);
             e.SelfExtracting = true;
             e.UsePaths = false;
         },
         [](auto &e) { return zip(e, zacNormal); },
         {"pw",
          "-e",
          "-9",
          "-m",
          "-S",
          "-$",
          "-r",
          "-j",
          "-X",
          "/bin/stub.sfx",
          "/extract/here",
          "<sfx-settings>",
          "-g",
          "-b",
          "/tmp/work",
          "-n",
          kStored,
          "-&",
          "-t",
          "05032021",
          "/a/b.zip",
          "-W",
          "x.txt",
          "y.txt",
          "-i",
          "*.doc",
          "-x",
          "*.bak"}},
        {"extract, every option, multi-disk",
         [](auto &e) {
             everyOption(e);
             e.MultidiskMode = true;
         },
         [](auto &e) { return e.extractArguments(zacNormal); },
         {"pw", "-13", "-24", "-!", "-o", "/a/b.zip", "x.txt", ">*.doc", "y.txt", "-x", "*.bak",
          "-d", "/out"}},
        {"extract freshen, never overwrite, without paths",
         [](auto &e) {
             everyOption(e);
             e.Overwrite = zowNever;
             e.UsePaths = false;
         },
         [](auto &e) { return e.extractArguments(zacFreshen); },
         {"pw", "-f", "-13", "-24", "-j", "-n", "/a/b.zip", "x.txt", ">*.doc", "y.txt", "-x",
          "*.bak", "-d", "/out"}},
        {"extract update, ask before overwriting",
         [](auto &e) {
             everyOption(e);
             e.Overwrite = zowAsk;
         },
         [](auto &e) { return e.extractArguments(zacUpdate); },
         {"pw", "-u", "-13", "-24", "/a/b.zip", "x.txt", ">*.doc", "y.txt", "-x", "*.bak", "-d",
          "/out"}},
        {"test, every option, multi-disk",
         [](auto &e) {
             everyOption(e);
             e.MultidiskMode = true;
         },
         [](auto &e) { return e.testArguments(); },
         {"pw", "-!", "-t", "/a/b.zip", "x.txt", ">*.doc", "y.txt", "-x", "*.bak"}},
        {"stamp, every option",
         everyOption,
         [](auto &e) { return e.stampArguments(); },
         {"pw", "-o", "/a/b.zip"}},
        {"compression 0",
         [](auto &e) {
             plain(e);
             e.Compression = 0;
         },
         [](auto &e) { return zip(e, zacNormal); },
         {"", "-0", "-n", kStored, "-t", "01011980", "a.zip", "-W", "f"}},
        {"compression out of range is sent as the nearest level",
         [](auto &e) {
             plain(e);
             e.Compression = 12;
             e.StoredExtensions.clear();
         },
         [](auto &e) { return zip(e, zacNormal); },
         {"", "-9", "-t", "01011980", "a.zip", "-W", "f"}},
        {"only patterns: zip sends no names, -i or -x",
         [](auto &e) {
             plain(e);
             e.FilesToProcess = QStringList{">*.txt", "<*.bak", ""};
         },
         [](auto &e) { return zip(e, zacNormal); },
         {"", "-6", "-n", kStored, "-t", "01011980", "a.zip", "-W"}},
        {"only patterns: for test a '>' entry is a plain name",
         [](auto &e) {
             plain(e);
             e.FilesToProcess = QStringList{">*.txt", "<*.bak"};
         },
         [](auto &e) { return e.testArguments(); },
         {"", "-t", "a.zip", ">*.txt", "-x", "*.bak"}},
        {"only exclusions send nothing",
         [](auto &e) {
             plain(e);
             e.FilesToProcess = QStringList{"<*.bak"};
         },
         [](auto &e) { return e.extractArguments(zacNormal); },
         {"", "-10", "-2-1", "a.zip"}},
    };
    for (const Row &row : rows) {
        TZipEngine engine;
        row.setup(engine);
        const ZeArguments args = row.build(engine);
        EXPECT_EQ(args.refusal(), 0) << row.name;
        EXPECT_EQ(args.texts(), row.expected) << row.name;
    }
}

TEST(ArgumentVector, MultiDiskModeRefusesAllButThePlainActions) {
    struct Refusal {
        const char *name;
        std::function<ZeArguments(const TZipEngine &)> build;
        int refusal;
    } rows[] = {
        {"zip normal", [](auto &e) { return e.zipArguments(zacNormal); }, 0},
        {"zip freshen", [](auto &e) { return e.zipArguments(zacFreshen); }, 430},
        {"zip update", [](auto &e) { return e.zipArguments(zacUpdate); }, 430},
        {"zip sfx", [](auto &e) { return e.zipArguments(zacMakeSfx); }, 430},
        {"extract normal", [](auto &e) { return e.extractArguments(zacNormal); }, 0},
        {"extract freshen", [](auto &e) { return e.extractArguments(zacFreshen); }, 430},
        {"extract update", [](auto &e) { return e.extractArguments(zacUpdate); }, 430},
        {"test", [](auto &e) { return e.testArguments(); }, 0},
        {"stamp", [](auto &e) { return e.stampArguments(); }, 430},
    };
    TZipEngine engine;
    engine.MultidiskMode = true;
    for (const Refusal &row : rows)
        EXPECT_EQ(row.build(engine).refusal(), row.refusal) << row.name;
    engine.MultidiskMode = false;
    EXPECT_EQ(engine.extractArguments(zacMakeSfx).refusal(), -1);
}

TEST(ArgumentVector, RefusedCallsReachNoLibraryAndEmptyTheFileList) {
    testsupport::TempFolder empty;
    TZipEngine engine;
    engine.setLibraryFolder(empty.path());
    engine.MultidiskMode = true;
    engine.FilesToProcess = QStringList{"a"};
    EXPECT_EQ(engine.Zip(zacUpdate), 430);
    EXPECT_TRUE(engine.FilesToProcess.isEmpty());
    engine.FilesToProcess = QStringList{"a"};
    EXPECT_EQ(engine.Extract(zacFreshen), 430);
    EXPECT_TRUE(engine.FilesToProcess.isEmpty());
    EXPECT_EQ(engine.StampZipDate(), 430);
    EXPECT_FALSE(engine.libraryMissing());
    // A name the engine would see cut short at its zero character.
    engine.MultidiskMode = false;
    engine.FilesToProcess = QStringList{QString("a") + QChar(u'\0') + "b"};
    EXPECT_EQ(engine.Zip(), -1);
    EXPECT_TRUE(engine.FilesToProcess.isEmpty());
}

TEST(ArgumentVector, SelfExtractorSlotCarriesTheSettingsBlock) {
    TZipEngine engine;
    engine.ZipFileName = "s.exe";
    engine.Sfx.Caption = QString::fromUtf8("Réglages");
    engine.Sfx.Buttons[0] = "&Okay";
    const ZeArguments args = engine.zipArguments(zacMakeSfx);
    ASSERT_TRUE(args.hasSfxBlock());
    const int slot = static_cast<int>(args.texts().indexOf("<sfx-settings>"));
    ASSERT_EQ(slot, 5);
    const ZeArguments::Argv argv = args.argv();
    ASSERT_EQ(argv.count(), args.size());
    EXPECT_EQ(argv.data()[argv.count()], nullptr);
    const auto *block = reinterpret_cast<const ZeSfxSettings *>(argv.data()[slot]);
    EXPECT_EQ(block, args.sfxBlock()->settings());
    // Read as a text, the slot is harmless.
    EXPECT_STREQ(argv.data()[slot], "<sfx-settings>");
    EXPECT_EQ(block->size, sizeof(ZeSfxSettings));
    EXPECT_EQ(QString::fromUtf8(block->caption), QString::fromUtf8("Réglages"));
    EXPECT_STREQ(block->messages[0], "All files were succesfully extracted.");
    EXPECT_STREQ(block->messages[4], "");
    EXPECT_STREQ(block->prompts[6], "The file '%f' already exists. Do you want to overwrite it?");
    EXPECT_STREQ(block->labels[5], "Entire Network");
    EXPECT_STREQ(block->buttons[0], "&Okay");
    EXPECT_STREQ(block->buttons[12], "&Refuse");
    // The other slots are the texts, in UTF-8.
    EXPECT_STREQ(argv.data()[0], "");
    EXPECT_STREQ(argv.data()[1], "-M");
}

TEST(ArgumentVector, InitialValues) {
    TZipEngine e;
    EXPECT_EQ(e.Compression, 6);
    EXPECT_TRUE(e.UsePaths);
    EXPECT_TRUE(e.UseTempFile);
    EXPECT_EQ(e.Overwrite, zowAsk);
    EXPECT_EQ(e.StoredExtensions, kStored);
    EXPECT_EQ(e.FilesAfterDate, QDate(1980, 1, 1));
    EXPECT_EQ(e.ExtractOption1, 0);
    EXPECT_EQ(e.ExtractOption2, -1);
    EXPECT_EQ(e.Sfx.Messages.size(), 5);
    EXPECT_EQ(e.Sfx.Prompts.size(), 7);
    EXPECT_EQ(e.Sfx.Labels.size(), 6);
    EXPECT_EQ(e.Sfx.Buttons.size(), 13);
    for (bool flag : {e.ClearDisks, e.MoveFiles, e.MultidiskMode, e.IncludeHiddenFiles,
                      e.IncludeDirectoryEntries, e.IncludeVolumeLabel, e.Recurse, e.SelfExtracting,
                      e.AbortRequested})
        EXPECT_FALSE(flag);
}

}  // namespace
