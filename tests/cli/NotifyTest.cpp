// --notify as a desktop sees it: tovrane-batch on real files, with a private
// session bus on which this test is the notification daemon.
#include "BatchTool.h"
#include "cli/RunOutcome.h"
#include "platform/DesktopNotification.h"
#include "support/TempFolder.h"

#include <QDBusConnection>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QVariantMap>

#include <gtest/gtest.h>

using testsupport::TempFolder;

namespace {

class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
  public:
    struct Shown {
        QString app, icon, summary, body;
        QVariantMap hints;
    };
    QStringList capabilities;
    QList<Shown> shown;

  public slots:
    QStringList GetCapabilities() { return capabilities; }
    uint Notify(const QString &app, uint, const QString &icon, const QString &summary,
                const QString &body, const QStringList &, const QVariantMap &hints, int) {
        shown.append({app, icon, summary, body, hints});
        return static_cast<uint>(shown.size());
    }
};

// A session bus of this test's own, gone with it.
struct PrivateBus {
    PrivateBus() {
        daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
        if (daemon.waitForReadyRead())
            address = QString::fromUtf8(daemon.readLine()).trimmed();
    }
    // Puts `notifications` on the bus as the desktop's notification service.
    bool serve(FakeNotifications &notifications) {
        if (address.isEmpty())
            return false;
        QDBusConnection connection = QDBusConnection::connectToBus(address, "fake-session");
        return connection.registerObject("/org/freedesktop/Notifications", &notifications,
                                         QDBusConnection::ExportAllSlots) &&
               connection.registerService("org.freedesktop.Notifications");
    }
    ~PrivateBus() {
        QDBusConnection::disconnectFromBus("fake-session");
        daemon.kill();
        daemon.waitForFinished();
    }
    QProcess daemon;
    QString address;
};

}  // namespace

TEST(Notify, TheEndOfARunReachesTheDesktopWithItsErrorLog) {
    if (QStandardPaths::findExecutable("dbus-daemon").isEmpty())
        GTEST_SKIP() << "dbus-daemon is not installed";
    PrivateBus bus;
    FakeNotifications daemon;
    ASSERT_TRUE(bus.serve(daemon));

    const QString rejected = "c.zip ignored. (Use rezip to recompress the zip file)";
    struct Row {
        QStringList args;
        bool bodyMarkup;
        QString cache;  // XDG_CACHE_HOME, inside the test folder
        QString summary;
        QString logLine;  // the saved error log's one line; empty: none saved
    } rows[] = {
        {{"zip", "a.txt", "b.txt", "c.zip"},
         false,
         "cache",
         "2 archives made, 1 failed \u2014 see the error log",
         rejected},
        {{"test", "c.zip"}, false, "cache", "1 archive OK", {}},
        // A daemon that reads markup gets the path escaped.
        {{"zip", "c.zip"},
         true,
         "R&D <cache>",
         "0 archives made, 1 failed \u2014 see the error log",
         rejected},
    };
    for (const Row &r : rows) {
        TempFolder tmp;
        tmp.write("a.txt", QByteArray(4000, 'a'));
        tmp.write("b.txt", "b");
        ASSERT_EQ(testsupport::run("zip", {"-q", "c.zip", "b.txt"}, nullptr, tmp.path()), 0);
        QStringList args = {r.args.first(), "--notify"};
        for (const QString &name : r.args.mid(1))
            args << tmp.path(name);
        daemon.capabilities =
            r.bodyMarkup ? QStringList{"body", "body-markup"} : QStringList{"body"};
        daemon.shown.clear();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DBUS_SESSION_BUS_ADDRESS", bus.address);
        environment.insert("XDG_CACHE_HOME", tmp.path(r.cache));

        const clitest::ToolRun run =
            clitest::runInEnvironment(args, clitest::builtTool(), environment);

        EXPECT_EQ(run.exitCode, r.logLine.isEmpty() ? 0 : 1) << r.summary.toStdString();
        ASSERT_EQ(daemon.shown.size(), 1) << r.summary.toStdString();
        const FakeNotifications::Shown &shown = daemon.shown.first();
        EXPECT_EQ(shown.summary, r.summary);
        EXPECT_EQ(shown.app, "Tovrane");
        EXPECT_EQ(shown.icon, "org.tovrane.Tovrane");
        EXPECT_EQ(shown.hints.value("desktop-entry").toString(), "org.tovrane.Tovrane");
        const QDir logs(tmp.path(r.cache + "/Tovrane"));
        const QStringList saved = logs.entryList({"error-log-*.txt"}, QDir::Files);
        if (r.logLine.isEmpty()) {
            EXPECT_TRUE(saved.isEmpty());
            EXPECT_TRUE(shown.body.isEmpty());
        } else {
            ASSERT_EQ(saved.size(), 1) << r.summary.toStdString();
            const QString log = logs.filePath(saved.first());
            EXPECT_EQ(testsupport::readAll(log), (r.logLine + "\r\n").toUtf8());
            const QString said = "error log is saved as " + log;
            EXPECT_EQ(shown.body, "The " + (r.bodyMarkup ? said.toHtmlEscaped() : said));
            EXPECT_TRUE(run.errLines.contains("tovrane-batch: the " + said));
        }
        // A notifying run deletes nothing.
        for (const char *kept : {"a.txt", "b.txt", "c.zip"})
            EXPECT_TRUE(QFileInfo::exists(tmp.path(kept))) << kept;
    }
}

TEST(Notify, OutcomeTexts) {
    struct Row {
        cli::RunOutcome outcome;
        const char *text;
    } rows[] = {
        {{"unzip", 1, 0, false}, "1 archive extracted"},
        {{"rezip", 3, 1, false}, "2 archives re-zipped, 1 failed \u2014 see the error log"},
        // Items a stopped run never reached are not counted as made.
        {{"zip-folders", 5, 1, true}, "Stopped, 1 failed \u2014 see the error log"},
    };
    for (const Row &r : rows)
        EXPECT_EQ(cli::outcomeText(r.outcome), QString::fromUtf8(r.text));
}

TEST(Notify, TheWindowPostsWithoutWaitingForTheDaemon) {
    if (QStandardPaths::findExecutable("dbus-daemon").isEmpty())
        GTEST_SKIP() << "dbus-daemon is not installed";
    PrivateBus bus;
    FakeNotifications daemon;
    ASSERT_TRUE(bus.serve(daemon));
    QDBusConnection window = QDBusConnection::connectToBus(bus.address, "window");
    struct Row {
        bool bodyMarkup;
        QString body;
    } rows[] = {
        {false, "The error log holds 2 lines. R&D <x>"},
        {true, "The error log holds 2 lines. R&amp;D &lt;x&gt;"},
    };
    for (const Row &r : rows) {
        daemon.capabilities =
            r.bodyMarkup ? QStringList{"body", "body-markup"} : QStringList{"body"};
        daemon.shown.clear();
        platform::postNotification(
            {"Completed - errors occured.", "The error log holds 2 lines. R&D <x>"}, window);
        // Nothing has arrived yet: the answers come through the event loop.
        EXPECT_TRUE(daemon.shown.isEmpty());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !daemon.shown.isEmpty(); }, 10000));
        EXPECT_EQ(daemon.shown.first().summary, "Completed - errors occured.");
        EXPECT_EQ(daemon.shown.first().body, r.body);
        EXPECT_EQ(daemon.shown.first().hints.value("desktop-entry").toString(),
                  "org.tovrane.Tovrane");
    }
    QDBusConnection::disconnectFromBus("window");
}

#include "NotifyTest.moc"
