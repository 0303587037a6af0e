// Loading the engine libraries: a missing library, a file that is no
// library, and a library without the entry point all give 240, with no box.
#include "engine/ZipEngine.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <QFile>
#include <functional>

namespace {

using testsupport::TempFolder;

void expectEveryOperationGives240(TZipEngine &engine) {
    const struct {
        const char *name;
        std::function<int()> run;
    } operations[] = {
        {"zip", [&] { return engine.Zip(); }},
        {"freshen", [&] { return engine.Zip(zacFreshen); }},
        {"sfx", [&] { return engine.Zip(zacMakeSfx); }},
        {"extract", [&] { return engine.Extract(); }},
        {"test", [&] { return engine.Test(); }},
        {"stamp", [&] { return engine.StampZipDate(); }},
    };
    for (const auto &op : operations) {
        engine.FilesToProcess = QStringList{"a.txt"};
        engine.AbortRequested = true;
        EXPECT_EQ(op.run(), ZE_ERR_LOAD) << op.name;
        EXPECT_TRUE(engine.libraryMissing()) << op.name;
        EXPECT_TRUE(engine.FilesToProcess.isEmpty()) << op.name;
        EXPECT_FALSE(engine.AbortRequested) << op.name;
    }
    EXPECT_TRUE(testsupport::dialogs().boxes().isEmpty());
}

TEST(LibraryLoad, EmptyFolderGives240) {
    TempFolder empty;
    TZipEngine engine;
    engine.setLibraryFolder(empty.path());
    expectEveryOperationGives240(engine);
}

TEST(LibraryLoad, FileThatIsNoLibraryGives240) {
    TempFolder folder;
    folder.write("libzezip.so", "not a library");
    folder.write("libzeunzip.so", QByteArray(4096, '\x7f'));
    TZipEngine engine;
    engine.setLibraryFolder(folder.path());
    expectEveryOperationGives240(engine);
}

TEST(LibraryLoad, LibraryWithoutEntryPointGives240) {
    // A real shared library that lacks zezip and zeunzip.
    const QString zlib = "/usr/lib/x86_64-linux-gnu/libz.so.1";
    if (!QFile::exists(zlib))
        GTEST_SKIP() << "no " << zlib.toStdString() << " to stand in";
    TempFolder folder;
    ASSERT_TRUE(QFile::copy(zlib, folder.path("libzezip.so")));
    ASSERT_TRUE(QFile::copy(zlib, folder.path("libzeunzip.so")));
    TZipEngine engine;
    engine.setLibraryFolder(folder.path());
    expectEveryOperationGives240(engine);
}

}  // namespace
