// tovrane-batch zip against the window's "&Zip" on the same files with the
// same options: the same archives with the same entries, the same error-log
// lines, the same originals left.
#include "BatchTool.h"
#include "app/AppFixture.h"
#include "support/ArchiveCheck.h"
#include "support/ScriptedDialogs.h"
#include "widgets/FileListBox.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QToolButton>

#include <map>
#include <ostream>

using clitest::runTool;
using testsupport::dialogs;

namespace {

struct Options {
    const char *label;
    bool keep = false, full = false, upper = false, stamp = false, deleteOriginals = false;
    bool pinnedOut = false;
    enum { NoInclude, Include, MissingInclude } include = NoInclude;
};

// Names the row in test listings.
void PrintTo(const Options &options, std::ostream *out) {
    *out << options.label;
}

// What a zip run left behind: each archive with its sorted entry names and
// time, the error-log lines, the files left beside them.
struct Outcome {
    std::map<QString, QStringList> archives;
    std::map<QString, QDateTime> times;
    QStringList errorLines;
    QStringList originals;
};

const std::map<QString, QByteArray> kInputs = {{"a.txt", QByteArray(5000, 'a')},
                                               {"b.doc", "b"},
                                               {"c.zip", "not an archive: never packed again"},
                                               {"data.tar.gz", QByteArray(70000, 'z')},
                                               {"notes.", "n"}};

class SameAsWindow : public AppFixture, public ::testing::WithParamInterface<Options> {
  protected:
    QString out() const { return tmp.path("out"); }
    QString destination() const { return GetParam().pinnedOut ? out() : home(); }

    void writeInputs() {
        const QDateTime past(QDate(2011, 5, 6), QTime(7, 8, 10));
        for (const auto &[name, bytes] : kInputs) {
            tmp.write("home/" + name, bytes);
            QFile file(home(name));
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            file.setFileTime(past, QFileDevice::FileModificationTime);
        }
    }
    QString includeFile() const {
        return GetParam().include == Options::MissingInclude ? tmp.path("extra/missing.txt")
                                                             : tmp.path("extra/licence.txt");
    }

    Outcome collect() {
        Outcome o;
        for (const QFileInfo &f : QDir(destination()).entryInfoList(QDir::Files)) {
            if (!f.fileName().endsWith(".zip", Qt::CaseInsensitive) || kInputs.count(f.fileName()))
                continue;
            QStringList names = testsupport::entryNames(f.filePath());
            names.sort();
            o.archives[f.fileName()] = names;
            o.times[f.fileName()] = f.lastModified();
            EXPECT_TRUE(testsupport::unzipAccepts(f.filePath())) << f.fileName().toStdString();
        }
        for (const QString &name : QDir(home()).entryList(QDir::Files))
            if (kInputs.count(name))
                o.originals << name;
        return o;
    }
    void clearArchives() {
        for (const auto &[name, names] : collect().archives)
            QFile::remove(destination() + "/" + name);
    }

    void setWindowOptions() {
        const Options &p = GetParam();
        OptionsModel &o = options();
        o.setOn(Option::deleteOriginal, p.deleteOriginals);
        o.setOn(Option::keepExtension, p.keep);
        o.setOn(Option::fullPaths, p.full);
        o.setOn(Option::upperCaseExtension, p.upper);
        o.setOn(Option::dateStamp, p.stamp);
        if (p.pinnedOut) {
            o.setPinned(Option::zipFolder, true);
            o.setText(Option::zipFolder, out() + "/");
        }
        if (p.include != Options::NoInclude) {
            o.setPinned(Option::includeFile, true);
            o.setText(Option::includeFile, includeFile());
        }
    }
    QStringList toolOptions() const {
        const Options &p = GetParam();
        QStringList args;
        if (p.deleteOriginals)
            args << "--delete-originals";
        if (p.keep)
            args << "--keep-extension";
        if (p.full)
            args << "--full-paths";
        if (p.upper)
            args << "--upper-case";
        if (p.stamp)
            args << "--date-stamp";
        if (p.pinnedOut)
            args << "--to" << out();
        if (p.include != Options::NoInclude)
            args << "--include" << includeFile();
        return args;
    }
};

TEST_P(SameAsWindow, SameArchivesAndErrorLines) {
    tmp.write("extra/licence.txt", "licence");
    tmp.mkdir("out");
    writeInputs();
    startProgram();
    setWindowOptions();
    FileListBox &list = fileList();
    list.reread();
    QStringList paths;
    for (int i = 0; i < list.count(); ++i)
        if (kInputs.count(list.name(i))) {
            list.setSelected(i, true);
            paths << home(list.name(i));
        }
    ASSERT_EQ(paths.size(), int(kInputs.size()));
    dialogs().answer(platform::No);  // the error log is not shown: "c.zip" is always logged
    button("Zip")->click();
    const Outcome window = collect();
    const QStringList windowLog = form().ErrorLog.lines();
    ASSERT_FALSE(window.archives.empty());

    clearArchives();
    writeInputs();
    const clitest::ToolRun run = runTool(QStringList{"zip", "-v"} + toolOptions() + paths);
    const Outcome tool = collect();

    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.errLines, windowLog);
    EXPECT_EQ(tool.archives, window.archives);
    EXPECT_EQ(tool.originals, window.originals);
    EXPECT_TRUE(run.out.contains("Zipping: 1/5 - 19% - ("));
    EXPECT_TRUE(run.out.endsWith("Completed - errors occured.\n")) << run.out.toStdString();
    if (GetParam().stamp) {
        for (const auto &[name, time] : window.times) {
            ASSERT_TRUE(tool.times.count(name)) << name.toStdString();
            EXPECT_EQ(tool.times.at(name), time) << name.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Options, SameAsWindow,
    ::testing::Values(Options{"defaults"}, Options{"keep", true},
                      Options{"fullUpper", false, true, true},
                      Options{"upperStampDelete", false, false, true, true, true},
                      Options{"keepPinned", true, false, false, false, false, true},
                      Options{"include", false, false, false, false, true, true, Options::Include},
                      Options{"missingInclude", false, false, false, false, true, false,
                              Options::MissingInclude}),
    [](const ::testing::TestParamInfo<Options> &row) { return std::string(row.param.label); });

}  // namespace
