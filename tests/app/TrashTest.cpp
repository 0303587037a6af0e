// The delete commands and the duplicate remover put what they delete into
// the desktop Trash (a private one here), delete for good without one or
// when the setting says so, and say where everything went.
#include "AppFixture.h"

#include "support/PrivateTrash.h"
#include "support/ScriptedDialogs.h"
#include "tools/dupes/ui/TDupes.h"
#include "widgets/FileListBox.h"
#include "widgets/FolderListBox.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>

using testsupport::dialogs;
using testsupport::PrivateTrash;

namespace {

enum class Trash { On, Off, Missing };

struct Row {
    Trash trash;
    QStringList inTrash;  // what the Trash holds afterwards
    QString status;
    QString logLine;  // the error log's one line; empty: none, and no question
};

template <typename List>
void select(List &list, const QStringList &names) {
    list.clearSelection();
    for (int i = 0; i < list.count(); ++i)
        if (names.contains(list.name(i)))
            list.setSelected(i, true);
}

}  // namespace

class Trashing : public AppFixture {
  protected:
    void prepare(PrivateTrash &trash, Trash mode) {
        // Qt's own fallback without a Trash is the current folder.
        QDir::setCurrent(tmp.mkdir("current"));
        options().setOn(Option::trashDeletions, mode != Trash::Off);
        if (mode == Trash::Missing)
            trash.remove();
    }
    void expectLog(const Row &r) {
        const QStringList lines = form().ErrorLog.lines();
        EXPECT_EQ(lines, r.logLine.isEmpty() ? QStringList() : QStringList{said(r)});
        EXPECT_EQ(QDir(tmp.path("current")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList());
    }
    QString said(const Row &r) { return r.logLine.isEmpty() ? r.logLine : r.logLine.arg(home()); }
};

TEST_F(Trashing, DeleteSelectedFiles) {
    const Row rows[] = {
        {Trash::On, {"a.txt", "b.txt"}, "2 files moved to the Trash.", {}},
        {Trash::Off, {}, "2 files deleted.", {}},
        {Trash::Missing,
         {},
         "2 files deleted for good (no Trash on their volume).",
         "** No Trash on the volume of %1: 2 files deleted for good."},
    };
    for (const Row &r : rows) {
        PrivateTrash trash;
        for (const char *name : {"a.txt", "b.txt", "c.txt"})
            tmp.write("home/" + QString(name), name);
        testsupport::setReadOnly(home("b.txt"), true);
        startProgram();
        prepare(trash, r.trash);
        select(fileList(), {"a.txt", "b.txt"});
        dialogs().answer(platform::Yes);
        if (!r.logLine.isEmpty())
            dialogs().answer(platform::No);  // the error-log question

        action("DeleteFiles")->trigger();

        EXPECT_EQ(trash.names(), r.inTrash);
        for (const QString &name : r.inTrash)
            EXPECT_EQ(trash.originalPath(name), home(name));
        EXPECT_FALSE(QFileInfo::exists(home("a.txt")));
        EXPECT_FALSE(QFileInfo::exists(home("b.txt")));
        EXPECT_TRUE(QFileInfo::exists(home("c.txt")));
        EXPECT_EQ(form().status(), r.status);
        expectLog(r);
        app.reset();
        QFile::remove(home("c.txt"));
    }
}

TEST_F(Trashing, DeleteSelectedFoldersMovesEachTreeWhole) {
    const Row rows[] = {
        {Trash::On, {"t1", "t2"}, "2 folders moved to the Trash.", {}},
        {Trash::Off, {}, "2 folders deleted.", {}},
        {Trash::Missing,
         {},
         "2 folders deleted for good (no Trash on their volume).",
         "** No Trash on the volume of %1: 2 folders deleted for good."},
    };
    for (const Row &r : rows) {
        PrivateTrash trash;
        for (const char *tree : {"t1", "t2", "t3"}) {
            tmp.write("home/" + QString(tree) + "/one/b.txt", "data");
            testsupport::setReadOnly(home(QString(tree) + "/one"), true);
        }
        startProgram();
        action("ViewFolders")->trigger();
        prepare(trash, r.trash);
        select(folderList(), {"t1", "t2"});
        dialogs().answer(platform::Yes);
        if (!r.logLine.isEmpty())
            dialogs().answer(platform::No);

        action("DeleteFolders")->trigger();

        EXPECT_EQ(trash.names(), r.inTrash);
        for (const QString &name : r.inTrash)
            EXPECT_EQ(trash.originalPath(name), home(name));
        EXPECT_FALSE(QFileInfo::exists(home("t1")));
        EXPECT_FALSE(QFileInfo::exists(home("t2")));
        EXPECT_TRUE(QFileInfo::exists(home("t3/one/b.txt")));
        EXPECT_EQ(form().status(), r.status);
        expectLog(r);
        app.reset();
        testsupport::setReadOnly(home("t3/one"), false);
        QDir(home("t3")).removeRecursively();
    }
}

TEST_F(Trashing, DupesDeletionsFollowTheSetting) {
    const Row rows[] = {
        {Trash::On, {"copy.txt"}, "1 file moved to the Trash.", {}},
        {Trash::Missing,
         {},
         "1 file deleted for good (no Trash on their volume).",
         "No Trash on the volume of %1: 1 file deleted for good."},
    };
    for (const Row &r : rows) {
        PrivateTrash trash;
        tmp.write("home/copy.txt", "same bytes");
        tmp.write("home/first.txt", "same bytes");
        startProgram();
        prepare(trash, r.trash);
        fileList().selectAll();
        TDupes &dupes = *app->windows().dupes;
        dupes.findDuplicates();
        QList<QListWidgetItem *> copy = dupes.ListBox1->findItems("copy.txt", Qt::MatchContains);
        ASSERT_EQ(copy.size(), 1);
        copy.first()->setSelected(true);
        if (!r.logLine.isEmpty())
            dialogs().answer(platform::Ok);  // said once, in a message

        dupes.BitBtn3Click();

        EXPECT_EQ(trash.names(), r.inTrash);
        EXPECT_FALSE(QFileInfo::exists(home("copy.txt")));
        EXPECT_TRUE(QFileInfo::exists(home("first.txt")));
        EXPECT_EQ(form().status(), r.status);
        if (!r.logLine.isEmpty()) {
            EXPECT_EQ(dialogs().texts().last(), said(r));
        }
        dupes.close();
        app.reset();
        QFile::remove(home("first.txt"));
    }
}

TEST_F(Trashing, SettingIsStoredAfterTheEighteenKeysAndDefaultsToOn) {
    startProgram();
    EXPECT_TRUE(action("trashDeletions")->isChecked());
    EXPECT_EQ(action("trashDeletions")->text(), "Move Deleted Files to the Trash");
    action("trashDeletions")->trigger();
    form().close();
    const QList<QByteArray> lines = testsupport::readAll(settingsFile()).split('\n');
    ASSERT_GE(lines.size(), 19);
    EXPECT_TRUE(lines[17].startsWith("DIRWIDT = "));
    EXPECT_EQ(lines[18], "TRASHDEL= F\r");
    // A file of an earlier version, without the key: checked.
    app.reset();
    QFile older(settingsFile());
    const QByteArray eighteen = testsupport::readAll(settingsFile()).replace("TRASHDEL= F\r\n", "");
    ASSERT_TRUE(older.open(QIODevice::WriteOnly | QIODevice::Truncate));
    older.write(eighteen);
    older.close();
    startProgram();
    EXPECT_TRUE(action("trashDeletions")->isChecked());
}
