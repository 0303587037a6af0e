// The file and folder batches delete an original only once its new archive
// passes the engine's test as read back from the disk; the unzip batch
// deletes an archive only once the files it wrote read back as it records.
#include "batch/BatchDriver.h"
#include "batch/FileBatch.h"
#include "batch/FolderBatch.h"
#include "batch/HeadlessBatchHost.h"
#include "batch/UnzipBatch.h"
#include "support/ArchiveCheck.h"
#include "support/TableFileList.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace {

// Bytes that do not compress, so that the archive holds them as they are.
QByteArray noise(int size) {
    QByteArray bytes(size, '\0');
    quint32 x = 2463534242u;
    for (char &b : bytes) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = static_cast<char>(x);
    }
    return bytes;
}

// Flips one byte of `content` where the archive holds it, as a failing disk
// or a faulty write would leave it.
void flipStoredByte(const QString &archive, const QByteArray &content) {
    QFile f(archive);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    const qsizetype at = f.readAll().indexOf(content.mid(content.size() / 2, 32));
    ASSERT_GE(at, 0);
    ASSERT_TRUE(f.seek(at + 7));
    char byte = 0;
    ASSERT_TRUE(f.getChar(&byte));
    ASSERT_TRUE(f.seek(at + 7));
    ASSERT_TRUE(f.putChar(static_cast<char>(byte ^ 0x5a)));
}

struct CurrentFolderKept {
    QString saved = QDir::currentPath();
    ~CurrentFolderKept() { QDir::setCurrent(saved); }
};

}  // namespace

TEST(TestBeforeDelete, AnArchiveThatReadsBackWrongKeepsItsOriginal) {
    const struct {
        const char *what;
        bool folders;
        bool deleting;
        bool testBeforeDelete;
        bool damaged;
        bool originalKept;
        QStringList log;
    } cases[] = {
        {"file, intact", false, true, true, false, false, {}},
        {"file, damaged",
         false,
         true,
         true,
         true,
         true,
         {"a.bin not deleted: its zip file failed the test. (File kept)"}},
        // The test is for deleting: without either there is none.
        {"file, test turned off", false, true, false, false, false, {}},
        {"file, nothing deleted", false, false, true, false, true, {}},
        {"folder, intact", true, true, true, false, false, {}},
        {"folder, damaged",
         true,
         true,
         true,
         true,
         true,
         {"Docs not deleted: its zip file failed the test. (Folder kept)"}},
        {"folder, test turned off", true, true, false, false, false, {}},
    };
    const QByteArray content = noise(20000);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const CurrentFolderKept kept;
        testsupport::TempFolder tmp;
        const QString original = c.folders ? tmp.path("in/Docs") : tmp.path("in/a.bin");
        const QString written = c.folders ? tmp.path("out/DOCS.zip") : tmp.path("out/a.zip");
        tmp.write(c.folders ? "in/Docs/sub/a.bin" : "in/a.bin", content);
        TableFileList files(tmp.path("in"), {{"a.bin", !c.folders}});
        TableFileList folders(tmp.path("in"), {{"Docs", c.folders}});
        HeadlessBatchHost host(files, folders);
        host.inFoldersView = c.folders;
        host.current.fullPaths = c.folders;
        host.current.zipFolder = tmp.mkdir("out") + "/";
        host.current.deleteOriginal = c.deleting && !c.folders;
        host.current.deleteFolder = c.deleting && c.folders;
        host.current.testBeforeDelete = c.testBeforeDelete;
        int tested = 0;
        host.onArchiveTest = [&](const QString &archive) {
            ++tested;
            EXPECT_EQ(QFileInfo(archive).fileName().toLower(),
                      QFileInfo(written).fileName().toLower());
            EXPECT_TRUE(QFileInfo::exists(original));
            if (c.damaged)
                flipStoredByte(archive, content);
        };
        BatchDriver(host, c.folders ? zipFoldersBatchTexts() : zipBatchTexts())
            .run([&](const BatchSettings &settings) {
                if (c.folders)
                    FolderBatch(host, settings).run();
                else
                    FileBatch(host, settings).run();
            });
        EXPECT_EQ(tested, c.deleting && c.testBeforeDelete ? 1 : 0);
        EXPECT_EQ(QFileInfo::exists(original), c.originalKept);
        EXPECT_EQ(host.errorLog().lines(), c.log);
        if (c.originalKept) {
            EXPECT_EQ(testsupport::readAll(c.folders ? original + "/sub/a.bin" : original),
                      content);
        }
        if (!c.damaged) {
            const QDir out(tmp.path("out"));
            EXPECT_TRUE(testsupport::readersAccept(
                out.absoluteFilePath(out.entryList(QDir::Files).value(0))));
        }
    }
}

TEST(TestBeforeDelete, AnExtractedFileThatReadsBackWrongKeepsItsArchive) {
    // What happens to "sub/b.bin" between its extraction and the check.
    enum class Fault { none, byteFlipped, grown, removed };
    const struct {
        const char *what;
        bool testBeforeDelete;
        QString password;
        Fault fault;
        bool archiveKept;
    } cases[] = {
        {"intact", true, {}, Fault::none, false},
        {"byte flipped", true, {}, Fault::byteFlipped, true},
        {"removed", true, {}, Fault::removed, true},
        // AES entries may record no CRC; their sizes are still compared.
        {"encrypted, intact", true, "secret", Fault::none, false},
        {"encrypted, grown", true, "secret", Fault::grown, true},
        {"test turned off", false, {}, Fault::byteFlipped, false},
    };
    const QByteArray content = noise(70000);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const CurrentFolderKept kept;
        testsupport::TempFolder tmp;
        // The archive comes from the folder batch: stored folders, a file
        // that does not compress, one that does and one so short that
        // encryption leaves its CRC out.
        tmp.write("in/Docs/sub/b.bin", content);
        tmp.write("in/Docs/a.txt", QByteArray(5000, 'a'));
        tmp.write("in/Docs/tiny.txt", "hi\n");
        TableFileList sources(tmp.path("in"), {{"Docs", true}}), none({}, {});
        HeadlessBatchHost zipping(none, sources);
        zipping.inFoldersView = true;
        zipping.current.fullPaths = true;
        zipping.current.zipFolder = tmp.mkdir("zips") + "/";
        zipping.current.zipPassword = c.password;
        BatchDriver(zipping, zipFoldersBatchTexts()).run([&](const BatchSettings &settings) {
            FolderBatch(zipping, settings).run();
        });
        ASSERT_TRUE(zipping.errorLog().isEmpty());
        const QStringList made = QDir(tmp.path("zips")).entryList(QDir::Files);
        ASSERT_EQ(made.size(), 1);
        const QString archive = tmp.path("zips/" + made[0]);
        const QByteArray archiveBytes = testsupport::readAll(archive);

        TableFileList files(tmp.path("zips"), {{made[0], true}});
        HeadlessBatchHost host(files, none);
        host.current.unzipFolder = tmp.mkdir("out") + "/";
        host.current.unzipPassword = c.password;
        host.current.testBeforeDelete = c.testBeforeDelete;
        int checks = 0;
        host.onExtractionCheck = [&](const QString &checked, const QString &folder) {
            ++checks;
            EXPECT_EQ(checked, archive);
            const QString file = folder + "Docs/sub/b.bin";
            QByteArray bytes = testsupport::readAll(file);
            ASSERT_EQ(bytes, content);
            bytes[7] = static_cast<char>(bytes[7] ^ (c.fault == Fault::byteFlipped ? 0x20 : 0));
            if (c.fault == Fault::removed)
                ASSERT_TRUE(QFile::remove(file));
            else if (c.fault != Fault::none)
                tmp.write("out/Docs/sub/b.bin", c.fault == Fault::grown ? bytes + '\n' : bytes);
        };
        BatchDriver(host, unzipBatchTexts()).run([&](const BatchSettings &settings) {
            UnzipBatch(host, settings).run();
        });
        EXPECT_EQ(checks, c.testBeforeDelete ? 1 : 0);
        EXPECT_EQ(host.errorLog().lines(),
                  c.archiveKept ? QStringList{made[0] + " not deleted: a file extracted from it "
                                                        "does not match it. (Zip file kept)"}
                                : QStringList{});
        EXPECT_EQ(QFileInfo::exists(archive), c.archiveKept);
        if (c.archiveKept) {
            EXPECT_EQ(testsupport::readAll(archive), archiveBytes);
        }
    }
}
