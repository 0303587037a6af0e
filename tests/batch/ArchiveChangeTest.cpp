// An archive that another program replaces or appends to while the unzip
// batch extracts it, or the re-zip rebuilds it, is kept as that program
// left it, with a line: the engine's extraction callback makes the change
// between the opening and the deletion or replacement.
#include "batch/BatchDriver.h"
#include "batch/HeadlessBatchHost.h"
#include "batch/RezipBatch.h"
#include "batch/UnzipBatch.h"
#include "support/TableFileList.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <functional>

using testsupport::readAll;

namespace {

void makeZip(const QString &path, const QString &entry) {
    ASSERT_EQ(
        testsupport::run("python3", {"-c",
                                     "import sys, zipfile\n"
                                     "zipfile.ZipFile(sys.argv[1], 'w').writestr(sys.argv[2], "
                                     "'text')\n",
                                     path, entry}),
        0);
}

TEST(ArchiveChange, ReplacedOrAppendedArchiveIsKeptAsItNowIs) {
    testsupport::TempFolder tmp;
    TableFileList files(tmp.mkdir("home"), {{"a.zip", true}}), folders({}, {});
    HeadlessBatchHost host(files, folders);
    host.current.rezipFolder = tmp.path("temp.$$$");
    host.current.workFolder = tmp.path("home/");
    host.current.unzipFolder = tmp.mkdir("out") + "/";
    const QString archive = tmp.path("home/a.zip");
    const std::function<void()> changes[] = {
        nullptr,
        [&] {  // replaced by rename
            makeZip(tmp.path("new.zip"), "new.txt");
            std::rename(QFile::encodeName(tmp.path("new.zip")).constData(),
                        QFile::encodeName(archive).constData());
        },
        [&] {  // appended to
            QFile file(archive);
            ASSERT_TRUE(file.open(QIODevice::Append));
            file.write("appended meanwhile");
        },
    };
    for (const bool rezip : {false, true}) {
        for (const auto &change : changes) {
            SCOPED_TRACE(rezip ? "re-zip" : "unzip");
            makeZip(archive, "old.txt");
            QByteArray left;
            QFile::Permissions extraction;
            host.engine().OnExtracting = [&](TZipEngine *, const TZeFileStats &) {
                // Decrypted entries may lie there: only the user may enter.
                extraction = QFileInfo(host.current.rezipFolder).permissions();
                if (change && left.isEmpty()) {
                    change();
                    left = readAll(archive);
                }
            };
            BatchDriver(host, rezip ? rezipBatchTexts() : unzipBatchTexts())
                .run([&](const BatchSettings &settings) {
                    if (rezip)
                        RezipBatch(host, settings, {}).run();
                    else
                        UnzipBatch(host, settings).run();
                });
            if (change) {
                EXPECT_EQ(host.errorLog().lines(),
                          QStringList({"a.zip was changed by another program while in use. "
                                       "(Zip file kept)"}));
                EXPECT_EQ(readAll(archive), left);
            } else {
                EXPECT_TRUE(host.errorLog().isEmpty());
                EXPECT_EQ(QFileInfo::exists(archive), rezip);
            }
            if (rezip) {
                EXPECT_EQ(extraction & ~QFile::Permissions(0x0f00),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            }
            EXPECT_EQ(readAll(tmp.path("out/old.txt")), rezip ? "" : "text");
            QFile::remove(tmp.path("out/old.txt"));
        }
    }
}

}  // namespace
