// tovrane-batch as a script sees it: each command on real files, exit
// status, usage errors, a password that never is an argument, and Ctrl-C.
#include "BatchTool.h"
#include "support/ArchiveCheck.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

using clitest::runTool;

// Whether this build has the loops of the later batch commands.
using testsupport::TempFolder;

TEST(BatchTool, EachCommandOnRealFiles) {
    TempFolder tmp;
    const QString a = tmp.write("in/a.txt", "same bytes");
    const QString b = tmp.write("in/sub/b.txt", "same bytes");
    const QString c = tmp.write("in/c.txt", "other");
    const QString broken = tmp.write("in/broken.zip", "PK\x03\x04 not really");
    ASSERT_EQ(runTool({"zip", "--to", tmp.path("in"), a, c}).exitCode, 0);
    const QString good = tmp.path("in/a.zip");
    tmp.mkdir("z");
    struct Row {
        QStringList args;
        int status;
        QStringList outLines;  // lines that must be in standard output
        QStringList errLines;  // the whole of standard error
    } rows[] = {
        {{"zip", "-v", "--level", "1", "--to", tmp.path("z"), a, b},
         0,
         {"Zipping: 1/1 - 99% - (a.txt)", "Zipping: 1/1 - 99% - (b.txt)", "Completed."},
         {}},
        {{"zip", "--verbose", tmp.path("in/none.txt")}, 1, {"Completed - errors occured."}, {}},
        {{"test", good, broken}, 1, {"a.zip  (Ok)"}, {}},
        {{"test", good}, 0, {"a.zip  (Ok)"}, {}},
        {{"crc", a, b},
         0,
         {"\"File Name\",\"File Crc 32\",File Size (Bytes)", "\"a.txt\",", "\"sub/b.txt\","},
         {}},
        {{"crc", a, tmp.path("in/none.txt")}, 1, {"\"none.txt\",\"XXXXXXXX\",- FILE IN USE -"}, {}},
        {{"dupes", a, b, c}, 0, {"1\t10\ta.txt\n1\t10\tsub/b.txt\n"}, {}},
    };
    for (const Row &r : rows) {
        const clitest::ToolRun run = runTool(r.args);
        const std::string what = r.args.join(' ').toStdString();
        EXPECT_EQ(run.exitCode, r.status) << what;
        for (const QString &line : r.outLines)
            EXPECT_TRUE(run.out.contains(line)) << what << "\n" << run.out.toStdString();
        if (r.status != 1) {
            EXPECT_EQ(run.errLines, r.errLines) << what;
        } else if (r.args[0] == "zip") {
            EXPECT_EQ(run.errLines.size(), 1) << what;
        }
    }
    EXPECT_TRUE(testsupport::readersAccept(tmp.path("z/a.zip")));
    EXPECT_EQ(testsupport::entryNames(tmp.path("z/b.zip")), QStringList{"b.txt"});
    // Into a pipe only results go; -q leaves only the failures.
    struct Whole {
        QStringList args;
        QString out;
    } wholes[] = {
        {{"zip", "--to", tmp.path("z"), c}, ""},
        {{"test", "-q", good, broken, good}, "broken.zip  (Corrupt) - Code (110)\n"},
        {{"test", "-0", good}, QStringLiteral("a.zip  (Ok)") + QChar(0)},
        {{"--version"}, "tovrane-batch (Tovrane) 6.04\n"},
    };
    for (const Whole &w : wholes)
        EXPECT_EQ(runTool(w.args).out, w.out) << w.args.join(' ').toStdString();
}

// Names as find hands them over, through either kind of list or as
// arguments, come back whole from the reports, as Python's csv module and a
// plain split read them.
TEST(BatchTool, OddNamesComeBackWholeFromListsAndReports) {
    TempFolder tmp;
    const QStringList names = {"plain.txt",      "two words.txt",    "quo\"te.txt",
                               "com,ma.txt",     "line\nend.txt",    "-dash.txt",
                               "tab\tand\\.txt", "\u00e9t\u00e9.txt"};
    QByteArray nulList, lineList;
    QStringList paths;
    for (const QString &name : names) {
        paths << tmp.write("in/" + name, "same bytes");
        nulList += QFile::encodeName(paths.last()) + '\0';
        if (!name.contains('\n'))  // a line list cannot hold it
            lineList += QFile::encodeName(paths.last()) + '\n';
    }
    QStringList oneLine = names;
    oneLine.removeAt(4);
    const QString lines = tmp.write("lines", lineList);
    const QString reader = tmp.write("read.py", R"(import csv, io, re, sys
data = open(sys.argv[2], 'rb').read().decode()
if sys.argv[1] == 'csv':
    rows = list(csv.reader(io.StringIO(data, newline='')))[1:]
    assert all(len(r) == 3 for r in rows)
    names = [r[0] for r in rows]
else:
    end = '\0' if sys.argv[1] == 'nul' else '\n'
    names = [l.split('\t', 2)[2] for l in data.split(end) if l]
    if end == '\n':
        escapes = {'\\': '\\', 't': '\t', 'n': '\n', 'r': '\r'}
        names = [re.sub(r'\\(.)', lambda m: escapes[m.group(1)], n) for n in names]
print('/'.join(n.encode().hex() for n in names))
)");
    struct Row {
        QStringList args;
        QByteArray input;
        const char *format;
        QStringList names;  // as read back, in order
        int status;
    } rows[] = {
        {QStringList{"crc"} + paths, {}, "csv", names, 0},
        {{"crc", "-0", "--files-from", "-"}, nulList, "csv", names, 0},
        {{"crc", "--files-from", lines}, {}, "csv", oneLine, 0},
        {{"dupes", "--null", "--files-from=-"}, nulList, "nul", names, 0},
        {{"dupes", "--files-from", "-", "-0"}, nulList, "nul", names, 0},
        {QStringList{"dupes"} + paths, {}, "escaped", names, 0},
    };
    for (const Row &r : rows) {
        const clitest::ToolRun run = runTool(r.args, clitest::builtTool(), r.input);
        const std::string what = r.args.mid(0, 4).join(' ').toStdString();
        EXPECT_EQ(run.exitCode, r.status) << what;
        tmp.write("out", run.out.toUtf8());
        QString read;
        EXPECT_EQ(testsupport::run("python3", {reader, r.format, tmp.path("out")}, &read), 0)
            << read.toStdString();
        QStringList hex;
        for (const QString &name : r.names)
            hex << name.toUtf8().toHex();
        EXPECT_EQ(read.trimmed().toStdString(), hex.join("/").toStdString()) << what;
    }
}

TEST(BatchTool, FolderRezipAndUnzipCommands) {
    TempFolder tmp;
    tmp.write("in/proj/a.txt", "alpha");
    tmp.write("in/proj/sub/b.txt", "beta");
    tmp.write("in/keep.txt", "kept");
    tmp.write("in/drop.bak", "dropped");
    const QString out = tmp.mkdir("out");
    // An archive made by Info-ZIP's zip, for the re-zip.
    ASSERT_EQ(
        testsupport::run("zip", {"-q", "old.zip", "keep.txt", "drop.bak"}, nullptr, tmp.path("in")),
        0);
    ASSERT_EQ(runTool({"zip", tmp.path("in/keep.txt")}).exitCode, 0);  // in/keep.zip
    struct Row {
        QStringList args;
        std::function<void()> check;
    } rows[] = {
        {{"zip-folders", "--to", out, tmp.path("in/proj")},
         [&] {
             QStringList names = testsupport::entryNames(out + "/PROJ.ZIP");
             EXPECT_TRUE(names.filter("a.txt").size() == 1 && names.filter("sub/b.txt").size() == 1)
                 << names.join(' ').toStdString();
             EXPECT_TRUE(QFile::exists(tmp.path("in/proj/a.txt")));
         }},
        {{"rezip", "--remove", "*.bak", tmp.path("in/old.zip")},
         [&] {
             EXPECT_EQ(testsupport::entryNames(tmp.path("in/old.zip")), QStringList{"keep.txt"});
             EXPECT_TRUE(testsupport::readersAccept(tmp.path("in/old.zip")));
         }},
        {{"unzip", "--to", out, tmp.path("in/keep.zip")},
         [&] {
             EXPECT_EQ(testsupport::readAll(out + "/keep.txt"), "kept");
             EXPECT_TRUE(QFile::exists(tmp.path("in/keep.zip")));
         }},
    };
    for (const Row &r : rows) {
        const clitest::ToolRun run = runTool(r.args);
        EXPECT_EQ(run.exitCode, 0) << run.errLines.join('\n').toStdString();
        r.check();
    }
}

TEST(BatchTool, UsageErrorsChangeNothing) {
    TempFolder tmp;
    const QString file = tmp.write("in/a.txt", "a");
    struct Row {
        QStringList args;
        const char *message;
    } rows[] = {
        {{}, "tovrane-batch: no command given"},
        {{"zipp", file}, "tovrane-batch: unknown command \"zipp\""},
        {{"zip", "--level", "10", file},
         "tovrane-batch: the level must be a whole number from 1 to 9, not \"10\""},
        {{"zip", "--sub-folder", file}, "tovrane-batch: --sub-folder does not apply to zip"},
        {{"zip", tmp.path("in")}, "tovrane-batch: a folder, not a file: "},
        {{"zip-folders", file}, "tovrane-batch: not a folder: "},
        {{"zip", "--to", tmp.path("none"), file}, "tovrane-batch: no such folder: "},
        {{"zip", "--password-file", tmp.path("none"), file},
         "tovrane-batch: cannot read the password file "},
        // No text names that file again: the batch would act on another or none.
        {{"zip", "--delete-originals", "--files-from", tmp.write("list", "in/a\xff.txt\n")},
         "tovrane-batch: not valid UTF-8, so no file can be named by it"},
    };
    for (const Row &r : rows) {
        const clitest::ToolRun run = runTool(r.args);
        EXPECT_EQ(run.exitCode, 2) << r.message;
        ASSERT_FALSE(run.errLines.isEmpty()) << r.message;
        EXPECT_TRUE(run.errLines[0].startsWith(r.message)) << run.errLines[0].toStdString();
        EXPECT_TRUE(run.errLines.join('\n').contains("Usage: tovrane-batch")) << r.message;
    }
    EXPECT_EQ(QDir(tmp.path("in")).entryList(QDir::Files), QStringList{"a.txt"});
    const clitest::ToolRun help = runTool({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: tovrane-batch COMMAND"));
}

TEST(BatchTool, PasswordComesFromAFileOrStandardInput) {
    TempFolder tmp;
    const QString file = tmp.write("in/a.txt", QByteArray(4000, 'p'));
    const QString pw = tmp.write("pw.txt", "s3cret word\n");
    struct Row {
        QStringList passwordArgs;
        QByteArray input;
    } rows[] = {{{"--password-file", pw}, {}}, {{"--password-file", "-"}, "s3cret word\r\n"}};
    for (const Row &r : rows) {
        QFile::remove(tmp.path("in/a.zip"));
        const clitest::ToolRun run = runTool(
            QStringList{"zip"} + r.passwordArgs + QStringList{file}, clitest::builtTool(), r.input);
        ASSERT_EQ(run.exitCode, 0) << run.errLines.join('\n').toStdString();
        EXPECT_TRUE(testsupport::sevenZipAccepts(tmp.path("in/a.zip"), "s3cret word"));
        EXPECT_FALSE(testsupport::sevenZipAccepts(tmp.path("in/a.zip"), "s3cret"));
    }
}

// test reads encrypted archives with the password file's password, and a
// missing archive is reported as missing, not as a damaged one.
TEST(BatchTool, TestTakesAPasswordFileAndNamesMissingArchives) {
    TempFolder tmp;
    const QString file = tmp.write("in/a.txt", QByteArray("locked text ").repeated(300));
    const QString pw = tmp.write("pw.txt", "s3cret word\n");
    const QString wrong = tmp.write("wrong.txt", "guess\n");
    ASSERT_EQ(runTool({"zip", "--password-file", pw, file}).exitCode, 0);
    const QString zip = tmp.path("in/a.zip");
    const QString gone = tmp.path("in/gone.zip");
    const struct {
        QStringList args;
        int status;
        QString out;
        QStringList errLines;
    } rows[] = {
        {{"test", "--password-file", pw, zip}, 0, "a.zip  (Ok)\n", {}},
        {{"test", "--password-file", wrong, zip}, 1, "a.zip  (Corrupt)", {}},
        {{"test", zip, gone}, 1, "a.zip  (Corrupt)", {"tovrane-batch: no such file: " + gone}},
        {{"test", "--password-file", pw, gone, zip},
         1,
         "a.zip  (Ok)\n",
         {"tovrane-batch: no such file: " + gone}},
    };
    for (const auto &r : rows) {
        const clitest::ToolRun run = runTool(r.args);
        const std::string what = r.args.join(' ').toStdString();
        EXPECT_EQ(run.exitCode, r.status) << what;
        EXPECT_TRUE(run.out.startsWith(r.out)) << what << ": " << run.out.toStdString();
        EXPECT_FALSE(run.out.contains("gone.zip")) << what;
        EXPECT_EQ(run.errLines, r.errLines) << what;
    }
}

// Ctrl-C while many files are zipped with their originals deleted: the
// file under work is finished (or, on a second Ctrl-C, given up), nothing
// after it is started, and every file is either still there or in a
// complete archive.
TEST(BatchTool, InterruptStopsBetweenFilesAndLosesNothing) {
    TempFolder tmp;
    constexpr int kFiles = 400;
    QStringList paths;
    QRandomGenerator random(7);
    for (int i = 0; i < kFiles; ++i) {
        QByteArray bytes(64 * 1024, '\0');
        random.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
        paths << tmp.write(QStringLiteral("in/f%1.bin").arg(i, 3, 10, QLatin1Char('0')), bytes);
    }
    struct Row {
        int interrupts;
    } rows[] = {{1}, {2}};
    for (const Row &r : rows) {
        QDir(tmp.path("out")).removeRecursively();
        QProcess tool;
        tool.start(
            clitest::builtTool(),
            QStringList{"zip", "-v", "--delete-originals", "--to", tmp.mkdir("out")} + paths);
        ASSERT_TRUE(tool.waitForStarted());
        QByteArray seen;
        // Once the third file is under way; a second Ctrl-C right after the
        // first must change nothing.
        while (!seen.contains("Zipping: 3/") && tool.state() == QProcess::Running) {
            tool.waitForReadyRead(1000);
            seen += tool.readAllStandardOutput();
        }
        for (int i = 0; i < r.interrupts; ++i)
            ::kill(static_cast<pid_t>(tool.processId()), SIGINT);
        ASSERT_TRUE(tool.waitForFinished(120000));
        seen += tool.readAllStandardOutput();
        EXPECT_EQ(tool.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(tool.exitCode(), 130);
        EXPECT_TRUE(seen.endsWith("Zipping process halted by User.\n")) << seen.right(200).data();
        const QStringList archives = QDir(tmp.path("out")).entryList(QDir::Files);
        // Nothing after the file under work was started: the archives are
        // those of the first files of the list.
        for (int i = 0; i < archives.size(); ++i)
            EXPECT_TRUE(archives.contains(QFileInfo(paths[i]).completeBaseName() + ".zip"))
                << "skipped " << i;
        for (const QString &archive : archives) {
            EXPECT_TRUE(archive.endsWith(".zip")) << "left over: " << archive.toStdString();
            EXPECT_TRUE(testsupport::unzipAccepts(tmp.path("out/" + archive)))
                << archive.toStdString();
        }
        for (const QString &path : paths) {
            const QString base = QFileInfo(path).completeBaseName();
            if (!QFile::exists(path)) {
                EXPECT_TRUE(archives.contains(base + ".zip")) << "lost " << base.toStdString();
            }
        }
        // Put the deleted originals back for the next row.
        for (const QString &archive : archives)
            testsupport::run("unzip", {"-oq", tmp.path("out/" + archive), "-d", tmp.path("in")});
    }
}

// A second stop gives up a large file at once: its archive never takes its
// name and the original stays. (SIGTERM follows SIGINT so that the two
// cannot merge into one pending signal.)
TEST(BatchTool, SecondInterruptGivesUpTheFileUnderWork) {
    TempFolder tmp;
    QFile big(tmp.path("in/big.bin"));
    tmp.mkdir("in");
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(qint64(16) << 30));  // sparse
    big.close();
    QProcess tool;
    tool.start(clitest::builtTool(), {"zip", "-v", "--delete-originals", big.fileName()});
    ASSERT_TRUE(tool.waitForStarted());
    QByteArray seen;
    while (!seen.contains("Zipping: 1/1") && tool.state() == QProcess::Running) {
        tool.waitForReadyRead(1000);
        seen += tool.readAllStandardOutput();
    }
    for (const int signal : {SIGINT, SIGTERM})
        ::kill(static_cast<pid_t>(tool.processId()), signal);
    ASSERT_TRUE(tool.waitForFinished(600000));
    EXPECT_EQ(tool.exitCode(), 130);
    EXPECT_EQ(QDir(tmp.path("in")).entryList(QDir::Files | QDir::Hidden), QStringList{"big.bin"});
    EXPECT_EQ(QFileInfo(big.fileName()).size(), qint64(16) << 30);
}

// The window's table stops at 6000 files; the command line compares all.
TEST(BatchTool, DupesComparesEveryFileNamed) {
    TempFolder tmp;
    QByteArray list;
    for (int i = 0; i <= 6002; ++i) {
        const QByteArray bytes = QByteArray::number(std::min(i, 6001));  // the last two alike
        list += QFile::encodeName(tmp.write(QStringLiteral("in/f%1").arg(i), bytes)) + '\0';
    }
    const clitest::ToolRun run =
        runTool({"dupes", "-0", "--files-from", "-"}, clitest::builtTool(), list);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QStringLiteral("1\t4\tf6001") + QChar(0) + "1\t4\tf6002" + QChar(0));
    EXPECT_TRUE(run.errLines.isEmpty()) << run.errLines.join('\n').toStdString();
}

// Scripts parse what tovrane-batch writes, so it stays English under any
// locale, even where the window has a translation.
TEST(BatchTool, WritesEnglishUnderAnyLocale) {
    TempFolder tmp;
    const QString file = tmp.write("in/a.txt", "text");
    ASSERT_EQ(runTool({"zip", file}).exitCode, 0);
    const QString bad = tmp.write("in/bad.zip", "not an archive");
    const struct {
        const char *locale;
        QStringList args;
        QString out;
        QString errLine;
    } rows[] = {
        {"de_DE.UTF-8", {"test", tmp.path("in/a.zip")}, "a.zip  (Ok)\n", {}},
        {"fr_FR.UTF-8", {"test", tmp.path("in/a.zip")}, "a.zip  (Ok)\n", {}},
        {"de_DE.UTF-8", {"unzip", bad}, {}, "bad.zip skipped. (Not a valid zip file)"},
        {"fr_FR.UTF-8", {"unzip", bad}, {}, "bad.zip skipped. (Not a valid zip file)"},
    };
    for (const auto &r : rows) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LANG", r.locale);
        environment.insert("LANGUAGE", QString::fromLatin1(r.locale).left(2));
        const clitest::ToolRun run =
            clitest::runInEnvironment(r.args, clitest::builtTool(), environment);
        const std::string what = r.locale + (" " + r.args.join(' ')).toStdString();
        EXPECT_EQ(run.out, r.out) << what;
        EXPECT_EQ(run.errLines.join('\n'), r.errLine) << what;
    }
}
