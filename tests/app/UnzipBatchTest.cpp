// The "&Unzip" command on real archives (made by zip, 7z and Python) through
// the whole program: where entries go, deletion of archives, passwords, bad
// and hostile archives, a full disk, Pause and Stop, the end of the batch.
#include "AppFixture.h"

#include "support/RecordingShell.h"
#include "support/ScriptedDialogs.h"
#include "widgets/FileListBox.h"
#include "widgets/FolderTree.h"

#include <sys/resource.h>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>
#include <QToolButton>
#include <csignal>
#include <functional>
#include <map>
#include <utility>

using testsupport::dialogs;
using testsupport::readAll;
using testsupport::run;

namespace {

using Files = std::map<QString, QByteArray>;

// Every file and link below `folder`: path -> contents, "-> target" for a link.
Files snapshot(const QString &folder) {
    Files files;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        if (info.isDir() && !info.isSymLink())
            continue;
        files[QDir(folder).relativeFilePath(info.filePath())] =
            info.isSymLink() ? "-> " + info.symLinkTarget().toUtf8() : readAll(info.filePath());
    }
    return files;
}

// Writes an archive with Python's zipfile; `body` adds entries to `z`.
void python(const QString &archive, const QString &body) {
    const QString script =
        "import sys, zipfile, struct\nz = zipfile.ZipFile(sys.argv[1], 'w', "
        "zipfile.ZIP_DEFLATED)\n" +
        body + "\nz.close()\n";
    ASSERT_EQ(run("python3", {"-c", script, archive}), 0);
}

// Rewrites the archive's bytes `d` with a Python statement.
void patch(const QString &archive, const QString &statement) {
    const QString script = "import sys, struct\nd = bytearray(open(sys.argv[1], 'rb').read())\n" +
                           statement + "\nopen(sys.argv[1], 'wb').write(d)\n";
    ASSERT_EQ(run("python3", {"-c", script, archive}), 0);
}

}  // namespace

class UnzipBatch : public AppFixture {
  protected:
    void SetUp() override {
        startProgram();
        out = tmp.mkdir("out");
        options().setPinned(Option::unzipFolder, true);
        options().setText(Option::unzipFolder, out + "/");
        setOptions(true, false, true);
    }
    void setOptions(bool recurse, bool subFolder, bool deleteZip) {
        options().setOn(Option::recurse, recurse);
        options().setOn(Option::deleteZip, deleteZip);
        options().setOn(Option::subFolder, subFolder);
    }
    // Entries from home/src, in the order given, by Info-ZIP's zip.
    QString zipOf(const QString &name, const Files &files, const QStringList &order) {
        for (const auto &[path, bytes] : files)
            tmp.write("home/src/" + path, bytes);
        EXPECT_EQ(run("zip", QStringList{"-q", home(name)} + order, nullptr, home("src")), 0);
        QDir(home("src")).removeRecursively();
        return home(name);
    }
    // `offered`: errors are expected, so the log is offered (and declined).
    void unzip(const QStringList &names, bool offered = false) {
        FileListBox &list = fileList();
        list.reread();
        list.clearSelection();
        for (int i = 0; i < list.count(); ++i)
            list.setSelected(i, names.contains(list.name(i)));
        if (offered)
            dialogs().answer(platform::No);
        button("Unzip")->click();
    }
    QStringList log() { return form().ErrorLog.lines(); }

    QString out;
    const Files tree{{"top.txt", "top"}, {"one/x.txt", "one"}, {"two/x.txt", "two"}};
    const QStringList treeOrder{"top.txt", "one", "one/x.txt", "two/x.txt"};
};

// Without stored folders "two/x.txt" lands on "one/x.txt": the later wins,
// the log names the earlier, and the archive stays as its only copy.
TEST_F(UnzipBatch, FoldersSubFoldersAndDeletion) {
    const Files flat{{"top.txt", "top"}, {"x.txt", "two"}};
    struct Row {
        bool recurse, subFolder, deleteZip;
    } rows[] = {{true, false, true},
                {true, false, false},
                {true, true, true},
                {false, false, true},
                {false, true, false}};
    for (const Row &r : rows) {
        QDir(out).removeRecursively();
        zipOf("a.zip", tree, treeOrder);
        setOptions(r.recurse, r.subFolder, r.deleteZip);
        unzip({"a.zip"}, !r.recurse);
        Files wanted;
        for (const auto &[path, bytes] : r.recurse ? tree : flat)
            wanted[(r.subFolder ? "a/" : "") + path] = bytes;
        EXPECT_EQ(snapshot(out), wanted) << r.recurse << r.subFolder << r.deleteZip;
        EXPECT_EQ(QFile::exists(home("a.zip")), !r.deleteZip || !r.recurse);
        EXPECT_EQ(fileList().count(), QFile::exists(home("a.zip")) ? 1 : 0);
        EXPECT_EQ(log(), r.recurse ? QStringList()
                                   : QStringList{"a.zip: one/x.txt replaced by a later entry of "
                                                 "the same name. (Zip file kept)"});
        EXPECT_EQ(form().status(), r.recurse ? "Completed." : "Completed - errors occured.");
        QFile::remove(home("a.zip"));
    }
}

TEST_F(UnzipBatch, PasswordsBadArchivesAndListOrder) {
    const QByteArray text = QByteArray("the quick brown fox ").repeated(5000);
    zipOf("1-plain.zip", {{"plain.txt", text}}, {"plain.txt"});
    // ZipCrypto's one-byte check lets 1 wrong password in 256 through:
    // remake the archive until Info-ZIP's unzip refuses the wrong one.
    for (int i = 0; i < 20; ++i) {
        tmp.write("home/src/crypto.txt", text);
        QFile::remove(home("2-crypto.zip"));
        run("zip", {"-q", "-P", "right", home("2-crypto.zip"), "crypto.txt"}, nullptr, home("src"));
        QString said;
        run("unzip", {"-t", "-P", "wrong", home("2-crypto.zip")}, &said);
        if (said.contains("incorrect password"))
            break;
    }
    tmp.write("home/src/aes.txt", text);
    ASSERT_EQ(
        run("7z", {"a", "-bd", "-tzip", "-mem=AES256", "-pright", home("3-aes.zip"), "aes.txt"},
            nullptr, home("src")),
        0);
    tmp.write("home/4-text.zip", "no archive at all");
    tmp.write("home/5-empty.zip");
    zipOf("6-corrupt.zip", {{"corrupt.txt", text}}, {"corrupt.txt"});
    patch(home("6-corrupt.zip"), "d[60 + (len(d) - 200) // 2] ^= 0x55");
    tmp.write("out/corrupt.txt", "was here");

    const struct Row {
        const char *password;
        bool opens;
    } rows[] = {{"right", true}, {"wrong", false}, {"", false}};
    for (const Row &r : rows) {
        for (const char *name : {"plain.txt", "crypto.txt", "aes.txt"})
            QFile::remove(out + "/" + name);
        widget<QLineEdit>("unzipPassword").setText(r.password);
        setOptions(true, false, false);
        unzip({"1-plain.zip", "2-crypto.zip", "3-aes.zip", "4-text.zip", "5-empty.zip",
               "6-corrupt.zip"},
              true);
        Files wanted{{"plain.txt", text}, {"corrupt.txt", "was here"}};
        QStringList lines;
        for (const QString name : {"2-crypto", "3-aes"})
            if (r.opens)
                wanted[name.mid(2) + ".txt"] = text;
            else
                lines << name + ".zip skipped. (Maybe password protected or out of disk space)";
        EXPECT_EQ(snapshot(out), wanted) << r.password;  // no partial file, no temporary one
        lines << "4-text.zip skipped. (Not a valid zip file)"
              << "5-empty.zip skipped. (Not a valid zip file)"
              << "6-corrupt.zip skipped. (Archive appears to be incomplete) - 410";
        EXPECT_EQ(log(), lines) << r.password;
    }
    // Failed archives stay, whatever the deletion setting.
    setOptions(true, false, true);
    unzip({"4-text.zip", "6-corrupt.zip", "1-plain.zip"}, true);
    EXPECT_TRUE(QFile::exists(home("4-text.zip")) && QFile::exists(home("6-corrupt.zip")));
    EXPECT_FALSE(QFile::exists(home("1-plain.zip")));
}

TEST_F(UnzipBatch, NothingIsWrittenOutsideTheDestination) {
    const QString outside = tmp.mkdir("outside");
    tmp.write("outside/secret", "outside file");
    ASSERT_TRUE(QFile::link(outside, out + "/sub"));
    python(home("hostile.zip"),
           "for n in ['../up.txt', '/abs.txt', 'C:\\\\drive.txt', 'a/../../b.txt',\n"
           "          'sub/x', 'replaced.txt']:\n"
           "    z.writestr(n, 'from ' + n)\n"
           "i = zipfile.ZipInfo('made-link')\ni.create_system = 3\n"
           "i.external_attr = 0o120777 << 16\nz.writestr(i, '/etc/passwd')\n");
    const Files both{{"up.txt", "from ../up.txt"},
                     {"abs.txt", "from /abs.txt"},
                     {"drive.txt", "from C:\\drive.txt"},
                     {"replaced.txt", "from replaced.txt"},
                     {"sub", "-> " + outside.toUtf8()}};
    struct Row {
        bool recurse;
        Files more;  // with folders "sub/x" is refused; without, it is plain "x"
    } rows[] = {{true, {{"a/b.txt", "from a/../../b.txt"}}},
                {false, {{"b.txt", "from a/../../b.txt"}, {"x", "from sub/x"}}}};
    for (Row &r : rows) {
        for (const auto &[path, bytes] : snapshot(out))
            if (path != "sub")
                QFile::remove(out + "/" + path);
        QDir(out + "/a").removeRecursively();
        ASSERT_TRUE(QFile::link(outside + "/secret", out + "/replaced.txt"));
        setOptions(r.recurse, false, true);
        unzip({"hostile.zip"}, true);
        r.more.insert(both.begin(), both.end());
        EXPECT_EQ(snapshot(out), r.more) << r.recurse;
        EXPECT_EQ(snapshot(outside), (Files{{"secret", "outside file"}}));
        EXPECT_EQ(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  (QStringList{"app", "home", "out", "outside"}));
        // The link entry (and, with folders, "sub/x") are refused; the archive stays.
        EXPECT_EQ(
            log(),
            QStringList{"hostile.zip skipped. (Maybe password protected or out of disk space)"});
    }
    // A sub-folder named after the archive that is a link is not followed.
    ASSERT_TRUE(QFile::link(outside, out + "/hostile"));
    setOptions(true, true, true);
    unzip({"hostile.zip"}, true);
    EXPECT_EQ(snapshot(outside), (Files{{"secret", "outside file"}}));
    EXPECT_EQ(log().size(), 1);
}

TEST_F(UnzipBatch, BombsAreRefusedBeforeAnythingIsWritten) {
    // An entry inflating past its declared size; two directory records
    // sharing one entry's data.
    python(home("lie.zip"), "z.writestr('a.bin', bytes(1 << 20))\n");
    patch(home("lie.zip"),
          "for s, at in ((b'PK\\x03\\x04', 22), (b'PK\\x01\\x02', 24)):\n"
          "    struct.pack_into('<I', d, d.find(s) + at, 10)");
    python(home("overlap.zip"), "z.writestr('a.bin', bytes(1 << 20))\n");
    patch(home("overlap.zip"),
          "c = d.find(b'PK\\x01\\x02'); e = d.find(b'PK\\x05\\x06')\n"
          "d[c:e] = d[c:e] * 2\ne += e - c\n"
          "struct.pack_into('<HHI', d, e + 8, 2, 2, 2 * struct.unpack_from('<I', d, e + 12)[0])");
    for (const char *name : {"lie.zip", "overlap.zip"}) {
        unzip({name}, true);
        EXPECT_EQ(log().size(), 1) << name;
        EXPECT_TRUE(snapshot(out).empty()) << name;
        EXPECT_TRUE(QFile::exists(home(name))) << name;
    }
}

TEST_F(UnzipBatch, AFullDiskKeepsTheArchiveAndLeavesNoPartialFile) {
    python(home("big.zip"),
           "z.writestr('small.txt', 's')\nz.writestr('big.bin', bytes(1 << 20))\n");
    // Writes past 64 KiB fail as on a full disk.
    struct rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 64 << 10;
    setrlimit(RLIMIT_FSIZE, &small);
    unzip({"big.zip"}, true);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    EXPECT_EQ(snapshot(out), (Files{{"small.txt", "s"}}));
    ASSERT_EQ(log().size(), 1);
    EXPECT_TRUE(log()[0] == "big.zip skipped. (Maybe password protected or out of disk space)" ||
                log()[0] == "big.zip skipped. (Cannot write zip file) - 300")
        << log()[0].toStdString();
    EXPECT_TRUE(QFile::exists(home("big.zip")));
}

TEST_F(UnzipBatch, ExistingFilesAreReplacedWhole) {
    zipOf("a.zip", tree, treeOrder);
    tmp.write("out/top.txt", "old");
    testsupport::setReadOnly(out + "/top.txt", true);
    QFile reader(out + "/top.txt");
    ASSERT_TRUE(reader.open(QIODevice::ReadOnly));
    unzip({"a.zip"});
    EXPECT_EQ(reader.readAll(), "old");  // a reader keeps the whole old file
    EXPECT_EQ(readAll(out + "/top.txt"), "top");
    EXPECT_FALSE(QFile::exists(home("a.zip")));
    // Without an unzip folder entries go beside the archive (never to the
    // root); an entry of the archive's own name takes its place there, and
    // what is there then is not deleted as the archive.
    python(home("nest.zip"), "z.writestr('nest.zip', 'the inner one')\n");
    options().setText(Option::unzipFolder, "");
    ASSERT_TRUE(options().text(Option::unzipFolder).isEmpty());
    unzip({"nest.zip"});
    EXPECT_EQ(readAll(home("nest.zip")), "the inner one");
    EXPECT_TRUE(log().isEmpty());
}

// A file that an earlier archive of the batch extracted is never replaced by a
// later one: its entry stays in the later archive, which is kept. A file that
// was there before the batch is replaced, in the next batch too.
TEST_F(UnzipBatch, NoArchiveReplacesWhatAnEarlierOneExtracted) {
    struct Row {
        bool subFolder;
        Files wanted;
        QStringList log;
    } rows[] = {
        {true,
         {{"a1/a.txt", "one"},
          {"a1/b.txt", "b"},
          {"a2/a.txt", "two"},
          {"a2/c.txt", "c"},
          {"a2/pre.txt", "new"},
          {"pre.txt", "old"}},
         {}},
        {false,
         {{"a.txt", "one"}, {"b.txt", "b"}, {"c.txt", "c"}, {"pre.txt", "new"}},
         {"a2.zip: a.txt would replace a file of a1.zip. (Zip file kept)"}},
    };
    for (const Row &r : rows) {
        QDir(out).removeRecursively();
        tmp.write("out/pre.txt", "old");
        zipOf("a1.zip", {{"a.txt", "one"}, {"b.txt", "b"}}, {"a.txt", "b.txt"});
        zipOf("a2.zip", {{"a.txt", "two"}, {"c.txt", "c"}, {"pre.txt", "new"}},
              {"a.txt", "c.txt", "pre.txt"});
        setOptions(true, r.subFolder, true);
        unzip({"a1.zip", "a2.zip"}, !r.log.isEmpty());
        EXPECT_EQ(snapshot(out), r.wanted) << r.subFolder;
        EXPECT_EQ(log(), r.log);
        EXPECT_FALSE(QFile::exists(home("a1.zip")));
        EXPECT_EQ(QFile::exists(home("a2.zip")), !r.log.isEmpty());
    }
    // The next batch replaces the file, as any file that was there before.
    unzip({"a2.zip"});
    EXPECT_EQ(readAll(out + "/a.txt"), "two");
    EXPECT_TRUE(log().isEmpty());
}

TEST_F(UnzipBatch, PauseStopAndTheEndOfTheBatch) {
    for (const char *name : {"1.zip", "2.zip", "3.zip"})
        python(home(name), QString("z.writestr('%1.txt', 'x')\n").arg(name));
    QStringList statuses;
    QObject::connect(&form(), &TMainform::statusChanged, [&](const QString &s) { statuses << s; });
    struct Row {
        std::function<void()> atFirstEntry;
        Files files;
        const char *end;
    } rows[] = {
        {[this] { button("Pause")->click(); },
         {{"1.zip.txt", "x"}, {"2.zip.txt", "x"}},
         "Unzipping process halted by User."},
        {[this] {
             button("Stop")->click();
             button("Pause")->click();
         },
         {{"1.zip.txt", "x"}, {"2.zip.txt", "x"}, {"3.zip.txt", "x"}},
         "Completed."},
    };
    QObject::connect(&form(), &TMainform::statusChanged, [this](const QString &s) {
        if (s == "Paused - Click Pause again to continue.")
            QTimer::singleShot(0, [this] { button("Stop")->click(); });
    });
    QList<int> itemBar;
    const auto bound = form().ZipEngine1.OnGlobalStatus;
    form().ZipEngine1.OnGlobalStatus = [&](TZipEngine *engine, const TZeGlobalStats &stats) {
        bound(engine, stats);
        itemBar << widget<QProgressBar>("ProgressBar2").value();
    };
    for (const Row &r : rows) {
        QDir(out).removeRecursively();
        statuses.clear();
        bool first = true;
        form().ZipEngine1.OnExtracting = [&](TZipEngine *, const TZeFileStats &) {
            EXPECT_FALSE(button("Zip")->isEnabled());  // the window is locked
            if (std::exchange(first, false))
                r.atFirstEntry();
        };
        setOptions(true, false, false);
        unzip({"1.zip", "2.zip", "3.zip"});
        EXPECT_EQ(snapshot(out), r.files);
        EXPECT_EQ(itemBar.last(), 100);
        EXPECT_EQ(form().status(), r.end);
        EXPECT_TRUE(statuses.contains("Unzipping in progress...Please Wait."));
        EXPECT_TRUE(statuses.contains("Unzipping: 2/3 - 66% - (2.zip)"));
        EXPECT_EQ(form().OperationFlag, "GO");
        EXPECT_EQ(widget<QProgressBar>("ProgressBar1").value(), 0);
        EXPECT_EQ(widget<QProgressBar>("ProgressBar2").value(), 0);
        EXPECT_TRUE(button("Unzip")->isEnabled());
        EXPECT_FALSE(button("Stop")->isEnabled());
        EXPECT_TRUE(fileList().isEnabled());
    }
    form().ZipEngine1.OnExtracting = nullptr;
    // The beep follows its own setting.
    EXPECT_EQ(testsupport::shell().beeps, 2);
    options().setOn(Option::beepUnzip, false);
    unzip({"1.zip"});
    EXPECT_EQ(testsupport::shell().beeps, 2);
}

// An archive that cannot be extracted (no password) takes back the folders
// made for it; the folders the others brought show in the tree at once, and
// the question at the end speaks of unzipping.
TEST_F(UnzipBatch, AFailedArchiveLeavesNoFoldersAndNewOnesShowInTheTree) {
    const struct Row {
        bool subFolder;
        const char *shown, *gone, *extracted;
    } rows[] = {{true, "plain", "locked", "plain/new/p.txt"}, {false, "new", "deep", "new/p.txt"}};
    for (const Row &r : rows) {
        tmp.write("home/src/deep/er/aes.txt", "secret");
        ASSERT_EQ(run("7z",
                      {"a", "-bd", "-tzip", "-mem=AES256", "-pright", home("locked.zip"),
                       "deep/er/aes.txt"},
                      nullptr, home("src")),
                  0);
        QDir(home("src")).removeRecursively();
        zipOf("plain.zip", {{"new/p.txt", "p"}}, {"new/p.txt"});
        options().setText(Option::unzipFolder, home() + "/");
        setOptions(true, r.subFolder, true);
        folderTree().reread();
        unzip({"locked.zip", "plain.zip"}, true);
        EXPECT_EQ(readAll(home(r.extracted)), "p") << r.shown;
        EXPECT_FALSE(QFileInfo::exists(home(r.gone))) << r.shown;
        EXPECT_TRUE(QFile::exists(home("locked.zip"))) << r.shown;
        EXPECT_EQ(folderTree().findItems(r.shown, Qt::MatchExactly | Qt::MatchRecursive).size(), 1)
            << r.shown;
        EXPECT_EQ(dialogs().texts().last(),
                  "Some errors occured during the unzipping operation. Would you like to view the "
                  "error log now ?");
        QDir(home(r.shown)).removeRecursively();
        QFile::remove(home("locked.zip"));
        dialogs().reset();
    }
}
