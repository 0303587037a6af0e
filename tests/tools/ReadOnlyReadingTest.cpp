// The tools that only read (CRC32 report, duplicate search, file information)
// read any file the user may read, change nothing about it, and never wait on
// something that is not a regular file.
#include "support/TableFileList.h"
#include "support/TempFolder.h"
#include "tools/crc/Crc32ReportHost.h"
#include "tools/crc/Crc32ReportWalk.h"
#include "tools/dupes/DupesHost.h"
#include "tools/dupes/DupesTable.h"
#include "tools/dupes/DupesWalk.h"
#include "tools/info/FileInformation.h"

#include <gtest/gtest.h>
#include <QFile>

#include <sys/fsuid.h>
#include <sys/inotify.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <cstdio>
#include <functional>
#include <future>

using namespace tools;
using testsupport::TempFolder;

namespace {

struct Hosts final : Crc32ReportHost, DupesHost {
    bool keepGoing() const override { return true; }
    void setProgress(int) override {}
    void addRow(const Crc32ReportRow &row) override { rows << row; }
    void pumpMessages() override {}
    QList<Crc32ReportRow> rows;
};

QByteArray path8(const QString &path) {
    return QFile::encodeName(path);
}

// Runs `body`, failing the whole program if it has not returned after a
// minute: a safety net for reads that would block for ever, not a timing.
void unblocked(const std::function<void()> &body) {
    auto done = std::async(std::launch::async, body);
    if (done.wait_for(std::chrono::minutes(1)) == std::future_status::timeout) {
        std::fprintf(stderr, "a read blocked for a minute\n");
        std::_Exit(1);
    }
    done.get();
}

}  // namespace

TEST(ReadOnlyReading, FilesTheUserMayOnlyReadAreReadAndLeftAlone) {
    using testsupport::run;
    // How folder d and its two files are kept from being written, and how
    // that is undone; rows this machine does not allow are left out.
    const struct {
        const char *what;
        std::function<bool(const QString &d)> protect;
        std::function<void(const QString &d)> undo;
    } rows[] = {
        {"mode 0444",
         [](const QString &d) {
             return run("chmod", {"0444", d + "/a", d + "/b"}) == 0;
         },
         [](const QString &) {}},
        // Only the file system user of this thread changes, while it reads.
        {"another user's file, read as nobody",
         [](const QString &d) {
             return ::geteuid() == 0 &&
                    run("chmod", {"go+rX", d + "/..", d, d + "/a", d + "/b"}) == 0 &&
                    ::setfsuid(65534) >= 0;
         },
         [](const QString &) { ::setfsuid(0); }},
        {"immutable (chattr +i)",
         [](const QString &d) {
             return run("chattr", {"+i", d + "/a", d + "/b"}) == 0;
         },
         [](const QString &d) {
             run("chattr", {"-i", d + "/a", d + "/b"});
         }},
        {"on a read-only mount",
         [](const QString &d) {
             return run("mount", {"--bind", "-o", "ro", d, d}) == 0;
         },
         [](const QString &d) {
             run("umount", {"-l", d});
         }},
    };
    for (const auto &r : rows) {
        TempFolder tmp;
        const QString d = tmp.mkdir("d");
        tmp.write("d/a", "abc");
        tmp.write("d/b", "abc");
        if (!r.protect(d)) {
            r.undo(d);
            GTEST_LOG_(INFO) << "not possible here, left out: " << r.what;
            continue;
        }
        struct stat before {
        }, after{};
        ::stat(path8(d + "/a"), &before);
        const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        ::inotify_add_watch(watch, path8(d), IN_ATTRIB | IN_MODIFY | IN_CLOSE_WRITE);
        const TableFileList list(d, {{"a", true}, {"b", true}});
        Hosts hosts;
        DupesTable table;
        walkCrc32Report(list, hosts);
        walkDupes(list, hosts, table);
        const FileInformation info = describeFile(d, "a");
        ::stat(path8(d + "/a"), &after);
        char events[4096];
        const ssize_t touched = ::read(watch, events, sizeof events);
        ::close(watch);
        r.undo(d);
        EXPECT_EQ(hosts.rows,
                  QList<Crc32ReportRow>({{"a", "352441C2", "3"}, {"b", "352441C2", "3"}}))
            << r.what;
        EXPECT_EQ(table.group(), 1) << r.what;
        EXPECT_EQ(info, FileInformation({"A", "3 bytes", "1 Disk (of 1.44mb)"})) << r.what;
        EXPECT_EQ(after.st_mode, before.st_mode) << r.what;
        EXPECT_LE(touched, 0) << "permissions or contents touched: " << r.what;
    }
}

TEST(ReadOnlyReading, PipesSocketsAndDevicesAreUnreadableWithoutWaiting) {
    TempFolder tmp;
    tmp.write("plain", "abc");
    ASSERT_EQ(::mkfifo(path8(tmp.path("fifo")), 0644), 0);
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s",
                  path8(tmp.path("socket")).constData());
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", tmp.path("endless device")));
    const QStringList odd = {"fifo", "socket", "endless device"};
    QList<TableFileList::Entry> entries;
    for (const QString &name : odd + QStringList{"plain"})
        entries.push_back({name, true});
    const TableFileList list(tmp.path(), entries);
    unblocked([&] {
        Hosts hosts;
        DupesTable table;
        walkCrc32Report(list, hosts);
        walkDupes(list, hosts, table);
        for (int i = 0; i < odd.size(); ++i) {
            EXPECT_EQ(hosts.rows[i], Crc32ReportRow({odd[i], "XXXXXXXX", "- FILE IN USE -"}));
            EXPECT_EQ(table.at(i).size, -1) << odd[i].toStdString();
            EXPECT_EQ(table.at(i).key, "XXXXXX") << odd[i].toStdString();
            EXPECT_EQ(describeFile(tmp.path(), odd[i]).size, "Unable to retrive");
        }
        EXPECT_EQ(hosts.rows.last(), Crc32ReportRow({"plain", "352441C2", "3"}));
        EXPECT_EQ(table.at(3).size, 3);
    });
    ::close(sock);
}
