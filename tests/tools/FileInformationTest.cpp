#include "support/TableFileList.h"
#include "support/TempFolder.h"
#include "tools/info/FileInformation.h"
#include "tools/info/ui/TFileInfo.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QLabel>

using testsupport::TempFolder;
using tools::FileInformation;

namespace tools {
// Readable rows in failure messages.
void PrintTo(const FileInformation &r, std::ostream *os) {
    *os << r.name.toStdString() << " | " << r.size.toStdString() << " | "
        << r.floppies.toStdString();
}
}  // namespace tools

namespace {

FileInformation shown(const TFileInfo &window) {
    const auto text = [&](const char *name) { return window.findChild<QLabel *>(name)->text(); };
    return {text("Label4"), text("Label5"), text("Label6")};
}

}  // namespace

TEST(FileInformation, SizesAndFloppyCounts) {
    const struct {
        qint64 size;
        const char *floppies;
    } rows[] = {{1, "1 Disk (of 1.44mb)"},
                {1457663, "1 Disk (of 1.44mb)"},
                {1457664, "2 Disks (of 1.44mb)"},
                {3000000, "3 Disks (of 1.44mb)"},
                {0, "0 Disks (of 1.44mb)"}};
    TempFolder tmp;
    TableFileList list(tmp.path(), {{"other.txt", false}, {"report.txt", true}});
    QWidget main;
    TFileInfo window(list, &main);
    for (const auto &r : rows) {
        QFile file(tmp.path("report.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(r.size));
        file.close();
        window.showInformation();
        EXPECT_FALSE(main.isEnabled());
        EXPECT_EQ(shown(window),
                  FileInformation({"REPORT.TXT", QString::number(r.size) + " bytes", r.floppies}));
        window.close();
        EXPECT_TRUE(main.isEnabled() && main.isVisible());
        EXPECT_FALSE(window.isVisible());
    }
}

TEST(FileInformation, UnopenableFileAndCaseOfNames) {
    TempFolder tmp;
    tmp.write("plain", "x");
    TableFileList list(tmp.path(), {{QString::fromUtf8("réport-ß.txt"), true}});
    QWidget main;
    TFileInfo window(list, &main);
    EXPECT_EQ(shown(window), tools::unknownFileInformation());
    window.showInformation();
    EXPECT_EQ(shown(window),
              FileInformation({QString::fromUtf8("RéPORT-ß.TXT"), "Unable to retrive", "Unknown"}));
    // A path through a regular file; the floppy value never keeps an old one.
    tmp.write("big.bin", QByteArray(2000000, 'x'));
    list.entries() = {{"big.bin", true}, {"plain/sub", false}};
    window.close();
    window.showInformation();
    EXPECT_EQ(shown(window).floppies, "2 Disks (of 1.44mb)");
    list.entries() = {{"big.bin", false}, {"plain/sub", true}};
    window.close();
    window.showInformation();
    EXPECT_EQ(shown(window), FileInformation({"PLAIN/SUB", "Unable to retrive", "Unknown"}));
}
