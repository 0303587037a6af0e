// The parts of tovrane-batch on their own: the command line, the grouping
// of paths into lists, the console output and the password file.
#include "cli/BatchCommands.h"
#include "cli/CliOptions.h"
#include "cli/ConsoleOutput.h"
#include "cli/PasswordFile.h"
#include "cli/PathGroups.h"
#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cstdio>

using namespace cli;

TEST(CliOptions, GoodCommandLines) {
    struct Row {
        QStringList args;
        std::function<bool(const CliOptions &)> holds;
        const char *what;
    } rows[] = {
        {{"zip", "a"},
         [](const CliOptions &o) {
             return o.command == "zip" && o.paths == QStringList{"a"} &&
                    o.settings().compressionLevel == 8 && !o.settings().deleteOriginal &&
                    !o.settings().beepZip && o.settings().zipFolder.isEmpty();
         },
         "defaults keep every original and follow each item's folder"},
        {{"zip", "--level", "3", "a", "--level=$9", "b"},
         [](const CliOptions &o) {
             return o.settings().compressionLevel == 9 && o.paths == QStringList{"a", "b"};
         },
         "options among paths, both value forms, the program's integer syntax"},
        {{"zip", "--delete-originals", "--keep-extension", "--full-paths", "--upper-case",
          "--date-stamp", "x"},
         [](const CliOptions &o) {
             const BatchSettings s = o.settings();
             return s.deleteOriginal && s.keepExtension && s.fullPaths && s.upperCaseExtension &&
                    s.dateStamp;
         },
         "every zip switch"},
        {{"zip", "--delete-originals", "x"},
         [](const CliOptions &o) { return o.settings().testBeforeDelete; },
         "an archive is tested before its original goes unless told otherwise"},
        {{"zip-folders", "--delete-folders", "--test-before-delete", "--no-test-before-delete",
          "x"},
         [](const CliOptions &o) { return !o.settings().testBeforeDelete; },
         "the last of --test-before-delete and --no-test-before-delete counts"},
        {{"unzip", "--delete-zips", "--no-test-before-delete", "a.zip"},
         [](const CliOptions &o) {
             return o.settings().deleteZip && !o.settings().testBeforeDelete;
         },
         "unzip deletes archives untested only when told"},
        {{"zip", "-m", "x"},
         [](const CliOptions &o) { return o.settings().deleteOriginal; },
         "-m moves files into their archives"},
        {{"zip-folders", "-m", "x"},
         [](const CliOptions &o) { return o.settings().deleteFolder; },
         "-m moves folders into their archives"},
        {{"zip", "--to", "/tmp/out", "x"},
         [](const CliOptions &o) { return o.settings().zipFolder == "/tmp/out/"; },
         "a folder ends with a separator"},
        {{"unzip", "--to", "/tmp/u", "--no-recurse", "--sub-folder", "--delete-zips", "a.zip"},
         [](const CliOptions &o) {
             return o.settings().unzipFolder == "/tmp/u/" && o.settings().zipFolder.isEmpty() &&
                    !o.settings().recurse && o.settings().subFolder && o.settings().deleteZip;
         },
         "--to of unzip is the unzip folder"},
        {{"rezip", "--remove", "*.bak", "--remove", " *.tmp ", "a.zip"},
         [](const CliOptions &o) {
             return o.removePatterns == QStringList{"*.bak", "*.tmp"};
         },
         "repeated --remove"},
        {{"zip", "--", "--level", "-"},
         [](const CliOptions &o) {
             return o.paths == QStringList{"--level", "-"};
         },
         "-- ends the options"},
        {{"crc", "--help"},
         [](const CliOptions &o) { return o.help && o.command == "crc"; },
         "help needs no paths"},
        {{"--help", "dupes"},
         [](const CliOptions &o) { return o.help && o.command == "dupes"; },
         "help on a command"},
        {{"dupes", "-0q", "--files-from=-"},
         [](const CliOptions &o) {
             return o.script.nul && o.script.verbosity == Verbosity::Quiet &&
                    o.script.filesFrom == "-" && o.paths.isEmpty();
         },
         "joined switches; a list stands for the paths"},
        {{"zip", "-q", "--verbose", "--files-from", "l", "a", "--", "-v"},
         [](const CliOptions &o) {
             return o.script.verbosity == Verbosity::Verbose && o.script.filesFrom == "l" &&
                    o.paths == QStringList({"a", "-v"});
         },
         "the last of -q and -v counts; -- ends them too"},
        {{"--version"}, [](const CliOptions &o) { return o.script.version; }, "version alone"},
    };
    for (const Row &r : rows) {
        const ParsedCommandLine parsed = parseCommandLine(r.args);
        EXPECT_TRUE(parsed.error.isEmpty()) << r.what << ": " << parsed.error.toStdString();
        EXPECT_TRUE(r.holds(parsed.options)) << r.what;
    }
}

TEST(CliOptions, BadCommandLinesSayWhy) {
    struct Row {
        QStringList args;
        const char *error;
    } rows[] = {
        {{}, "no command given"},
        {{"pack", "a"}, "unknown command \"pack\""},
        {{"zip", "--fast", "a"}, "unknown option \"--fast\""},
        {{"zip", "--delete-zips", "a"}, "--delete-zips does not apply to zip"},
        {{"crc", "--level", "5", "a"}, "--level does not apply to crc"},
        {{"zip", "--level", "0", "a"}, "the level must be a whole number from 1 to 9, not \"0\""},
        {{"zip", "--level", "8 ", "a"}, "the level must be a whole number from 1 to 9, not \"8 \""},
        {{"zip", "a", "--level"}, "--level needs a value (N)"},
        {{"zip", "--upper-case=yes", "a"}, "--upper-case takes no value"},
        {{"zip", "--to=", "a"}, "an empty folder name"},
        {{"zip", "--password-file", "", "a"}, "an empty password file name"},
        {{"zip"}, "zip: nothing to work on"},
        {{"zip", "--level", "9"}, "zip: nothing to work on"},
        {{"zip", "a", "--files-from"}, "--files-from needs a value (FILE)"},
        {{"zip", "--files-from=", "a"}, "--files-from needs a value (FILE)"},
        {{"zip", "-0x", "a"}, "unknown option \"-0x\""},
        {{"crc", "--null=1", "a"}, "--null takes no value"},
        {{"unzip", "-m", "a.zip"}, "-m does not apply to unzip"},
    };
    for (const Row &r : rows)
        EXPECT_EQ(parseCommandLine(r.args).error, r.error) << r.args.join(' ').toStdString();
}

TEST(CliOptions, UsageListsEveryCommandAndOnlyItsOptions) {
    const QString all = usageText();
    for (const QString &command : commandNames())
        EXPECT_TRUE(all.contains("  " + command + " ")) << command.toStdString();
    EXPECT_TRUE(usageText("unzip").contains("--sub-folder"));
    EXPECT_FALSE(usageText("zip").contains("--sub-folder"));
    EXPECT_TRUE(usageText("zip").contains("--password-file FILE"));
    EXPECT_TRUE(usageText("zip-folders").contains("-m, --delete-folders"));
}

TEST(PathGroups, OneListPerFolderInTheOrderGiven) {
    const QString here = QDir::currentPath();
    const QList<PathGroup> groups =
        groupByFolder({"/d/b.txt", "/e/x", "/d/a.txt", "/d/b.txt", "/d/../e/y", "rel", "/top"});
    ASSERT_EQ(groups.size(), 4);
    EXPECT_EQ(groups[0].folder, "/d");
    EXPECT_EQ(groups[0].names, QStringList({"b.txt", "a.txt"}));
    EXPECT_EQ(groups[1].folder, "/e");
    EXPECT_EQ(groups[1].names, QStringList({"x", "y"}));
    EXPECT_EQ(groups[2].folder, here);
    EXPECT_EQ(groups[2].names, QStringList({"rel"}));
    EXPECT_EQ(groups[3].folder, "/");
    EXPECT_EQ(groups[3].names, QStringList({"top"}));
}

// Grouping by hash, not by searching the lists built so far: a search would
// compare each path with those before it, some 200 million comparisons here.
TEST(PathGroups, ComparesInProportionToThePaths) {
    constexpr int kPaths = 20000;
    for (const int folders : {1, 100, kPaths}) {
        QStringList paths;
        for (int i = 0; i < kPaths; ++i)
            paths << QStringLiteral("/d%1/f%2").arg(i % folders).arg(i);
        paths << paths.mid(0, kPaths / 10);  // given twice, counted once
        qint64 comparisons = 0;
        const QList<PathGroup> groups = groupByFolder(paths, &comparisons);
        qsizetype names = 0;
        for (const PathGroup &g : groups)
            names += g.names.size();
        EXPECT_EQ(groups.size(), folders);
        EXPECT_EQ(names, kPaths);
        EXPECT_LE(comparisons, 3 * paths.size()) << folders << " folders";
    }
}

TEST(PathGroups, ToolsSeeOneListUnderTheDeepestCommonFolder) {
    struct Row {
        QStringList paths;
        QString folder;
        QStringList names;
    } rows[] = {
        {{"/a/b/x", "/a/b/y"}, "/a/b", {"x", "y"}},
        {{"/a/b/x", "/a/c/d/y", "/a/b/z"}, "/a", {"b/x", "b/z", "c/d/y"}},
        {{"/a/x", "/b/y"}, "/", {"a/x", "b/y"}},
        {{"/ab/x", "/a/y"}, "/", {"ab/x", "a/y"}},
    };
    for (const Row &r : rows) {
        const PathGroup all = commonFolderGroup(r.paths);
        EXPECT_EQ(all.folder, r.folder) << r.paths.join(' ').toStdString();
        EXPECT_EQ(all.names, r.names) << r.paths.join(' ').toStdString();
    }
}

namespace {
// What the output wrote to each stream, after the given calls.
std::pair<std::string, std::string> written(bool terminal, Verbosity verbosity,
                                            const std::function<void(ConsoleOutput &)> &calls) {
    std::FILE *out = std::tmpfile();
    std::FILE *err = std::tmpfile();
    ConsoleOutput output(out, err, terminal, verbosity);
    calls(output);
    auto read = [](std::FILE *f) {
        std::string text(static_cast<std::size_t>(std::ftell(f)), '\0');
        std::rewind(f);
        text.resize(std::fread(text.data(), 1, text.size(), f));
        std::fclose(f);
        return text;
    };
    return {read(out), read(err)};
}
}  // namespace

TEST(ConsoleOutput, RedrawsOnATerminalAndWritesLinesOtherwise) {
    auto run = [](ConsoleOutput &o) {
        o.status("Zipping: 1/2 - 49% - (a)");
        o.itemProgress(7);
        o.error("line");
        o.status("Done.");
        o.finish();
    };
    struct Row {
        bool terminal;
        Verbosity verbosity;
        std::string out, err;
    } rows[] = {
        {false, Verbosity::Normal, "", "line\n"},
        {false, Verbosity::Verbose, "Zipping: 1/2 - 49% - (a)\nDone.\n", "line\n"},
        {true, Verbosity::Quiet, "", "line\n"},
        {true, Verbosity::Normal,
         "\rZipping: 1/2 - 49% - (a)\033[K\rZipping: 1/2 - 49% - (a) [7%]\033[K\r\033[K"
         "\rZipping: 1/2 - 49% - (a) [7%]\033[K\rDone.\033[K\n",
         "line\n"},
    };
    for (const Row &r : rows) {
        const auto [out, err] = written(r.terminal, r.verbosity, run);
        EXPECT_EQ(out, r.out) << r.terminal;
        EXPECT_EQ(err, r.err) << r.terminal;
    }
}

TEST(PasswordFile, FirstLineWithoutItsEnd) {
    testsupport::TempFolder tmp;
    struct Row {
        QByteArray contents;
        QString password;
    } rows[] = {
        {"s3cret\n", "s3cret"},
        {"s3cret\r\nsecond\n", "s3cret"},
        {"no end", "no end"},
        {"", ""},
        {" blanks kept \n", " blanks kept "},
        {"\xc3\xa9t\xc3\xa9\n", "été"},
    };
    for (const Row &r : rows) {
        const QString file = tmp.write("pw", r.contents);
        EXPECT_EQ(readPasswordFile(file), std::optional<QString>(r.password)) << r.contents.data();
    }
    EXPECT_EQ(readPasswordFile(tmp.path("missing")), std::nullopt);
    EXPECT_EQ(readPasswordFile(tmp.path()), std::nullopt);  // a folder
}

TEST(CliOptions, RezipRunsKeepTheirWorkFilesApart) {
    struct Row {
        QStringList args;
        QString work;
    } rows[] = {
        {{"rezip", "a.zip"}, "/tmp/own/"},
        {{"rezip", "--work", "/w", "a.zip"}, "/w/"},
    };
    for (const Row &r : rows) {
        const CliOptions o = withPrivateRezipFolders(parseCommandLine(r.args).options, "/tmp/own");
        EXPECT_EQ(o.settings().rezipFolder, "/tmp/own/temp.$$$");
        EXPECT_EQ(o.settings().workFolder, r.work);
    }
}
