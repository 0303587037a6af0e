#include "RecordingGate.h"
#include "platform/FileSystem.h"
#include "support/RecordingShell.h"
#include "support/ScriptedDialogs.h"
#include "support/TableFileList.h"
#include "support/TempFolder.h"
#include "tools/rename/RenamePreview.h"
#include "tools/rename/RenameRules.h"
#include "tools/rename/RenameUndo.h"
#include "tools/rename/RenameWalk.h"
#include "tools/rename/ui/TRename_Form.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

using testsupport::TempFolder;
using tools::CaseRule;
using tools::PreviewMark;
using tools::SpacingRule;

namespace {

QStringList filesIn(const TempFolder &tmp) {
    return QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

ino_t inode(const QString &path) {
    struct stat s {};
    return ::stat(QFile::encodeName(path).constData(), &s) == 0 ? s.st_ino : 0;
}

}  // namespace

TEST(RenameRules, TemplatesInOrder) {
    const struct {
        SpacingRule spacing;
        CaseRule letterCase;
        const char *old, *ruled;
    } rows[] = {
        {SpacingRule::SpacesToUnderscores, CaseRule::None, "My Holiday Photo.jpg",
         "My_Holiday_Photo.jpg"},
        {SpacingRule::UnderscoresToSpaces, CaseRule::None, "my_file_name.txt", "my file name.txt"},
        {SpacingRule::RemoveSpaces, CaseRule::None, "My Holiday Photo.jpg", "MyHolidayPhoto.jpg"},
        {SpacingRule::RemoveBrackets, CaseRule::None, "Track [01] mix.mp3", "Track 01 mix.mp3"},
        {SpacingRule::None, CaseRule::Upper, "readme.txt", "README.TXT"},
        {SpacingRule::None, CaseRule::Lower, "README.TXT", "readme.txt"},
        {SpacingRule::None, CaseRule::Capitalise, "the QUICK brown-fox (live).mp3",
         "The Quick Brown-Fox (Live).Mp3"},
        {SpacingRule::UnderscoresToSpaces, CaseRule::Capitalise, "my_song_[remix].mp3",
         "My Song [Remix].Mp3"},
        {SpacingRule::UnderscoresToSpaces, CaseRule::None, "_draft_.txt", " draft .txt"},
        // The capitalising rule looks at the name after spacing.
        {SpacingRule::RemoveBrackets, CaseRule::Capitalise, "a[bc]d", "Abcd"},
        {SpacingRule::SpacesToUnderscores, CaseRule::Capitalise, "big day", "Big_day"},
        {SpacingRule::None, CaseRule::Upper, "\xC3\xA9t\xC3\xA9.txt", "\xC3\xA9T\xC3\xA9.TXT"},
        {SpacingRule::None, CaseRule::Capitalise, "\xC3\xA9T\xC3\xA9", "\xC3\xA9t\xC3\xA9"},
        {SpacingRule::None, CaseRule::None, "As Is_[x].TXT", "As Is_[x].TXT"},
    };
    for (const auto &r : rows) {
        const QString old = QString::fromUtf8(r.old), ruled = QString::fromUtf8(r.ruled);
        EXPECT_EQ(tools::applyRenameRules(old, {r.spacing, r.letterCase}), ruled) << r.old;
        // The preview shows the name the file is given, blanks taken off.
        const tools::PreviewRow row =
            tools::previewRenames({old}, {old}, {r.spacing, r.letterCase}).value(0);
        EXPECT_EQ(row.newName, ruled.trimmed()) << r.old;
        EXPECT_EQ(row.mark, old == ruled ? PreviewMark::Unchanged : PreviewMark::Renamed);
    }
    const struct {
        const char *ruled, *name;
        bool usable;
    } names[] = {{" draft .txt", "draft .txt", true},
                 {"\t\x01x y\r\n", "x y", true},
                 {"   ", "", false},
                 {" . ", ".", false},
                 {"..", "..", false},
                 {"...", "...", true}};
    for (const auto &n : names) {
        EXPECT_EQ(tools::nameForRenaming(n.ruled), n.name);
        EXPECT_EQ(tools::usableFileName(n.name), n.usable) << n.name;
    }
}

// One rename run per row over real files; `after` lists the folder's files
// afterwards.
TEST(RenameWalk, RealFiles) {
    const struct {
        const char *what;
        QStringList files;
        QList<TableFileList::Entry> list;
        tools::RenameRules rules;
        QStringList after;
        bool failed;
    } rows[] = {
        {"blanks taken off the ends",
         {"_draft_.txt"},
         {{"_draft_.txt", true}},
         {SpacingRule::UnderscoresToSpaces, CaseRule::None},
         {"draft .txt"},
         false},
        {"only selected lines, unchanged names untouched",
         {"a b", "c d", "ef"},
         {{"a b", true}, {"c d", false}, {"ef", true}},
         {SpacingRule::RemoveSpaces, CaseRule::None},
         {"ab", "c d", "ef"},
         false},
        {"an existing name is never replaced",
         {"a b.txt", "a_b.txt"},
         {{"a b.txt", true}, {"a_b.txt", false}},
         {SpacingRule::SpacesToUnderscores, CaseRule::None},
         {"a b.txt", "a_b.txt"},
         true},
        {"names that cannot be given",
         {"___", "_.._", "x_y"},
         {{"___", true}, {"_.._", true}, {"x_y", true}},
         {SpacingRule::UnderscoresToSpaces, CaseRule::None},
         {"_.._", "___", "x y"},
         true},
        {"a failed open judges its own file only",
         {"b c"},
         {{"gone a", true}, {"b c", true}},
         {SpacingRule::SpacesToUnderscores, CaseRule::None},
         {"b_c"},
         true},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.what);
        TempFolder tmp;
        for (const QString &f : r.files)
            tmp.write(f, f.toUtf8());
        const TableFileList list(tmp.path(), r.list);
        // The preview foretells exactly the renames the run makes.
        QStringList foretold, made;
        for (const tools::PreviewRow &row : tools::previewRenames(list, r.rules))
            if (row.mark == PreviewMark::Renamed)
                foretold << row.oldName + " > " + row.newName;
        const tools::RenameRun run = tools::renameSelectedFiles(list, r.rules, [](int) {});
        for (const tools::RenamedFile &f : run.renamed)
            made << f.from + " > " + f.to;
        EXPECT_EQ(foretold, made);
        EXPECT_EQ(run.failed, r.failed);
        EXPECT_EQ(filesIn(tmp), r.after);
        // And the undo gives every file its name back.
        const tools::UndoOutcome undone = tools::undoRenames(run.renamed);
        EXPECT_EQ(undone.renamedBack, run.renamed.size());
        EXPECT_TRUE(undone.notUndone.isEmpty());
        QStringList before = r.files;
        before.sort();
        EXPECT_EQ(filesIn(tmp), before);
    }
}

// Names that stay, as the preview marks them.
TEST(RenamePreview, Marks) {
    const struct {
        SpacingRule spacing;
        QStringList folder, selected;
        QStringList rows;  // "old > new (mark)"
    } cases[] = {
        {SpacingRule::SpacesToUnderscores,
         {"a b.txt", "a_b.txt", "same", "one two"},
         {"a b.txt", "same", "one two", "gone x", "one_two"},
         {"a b.txt > a_b.txt (clash)", "same > same (unchanged)", "one two > one_two",
          "gone x > gone x (missing)", "one_two > one_two (unchanged)"}},
        // Two names the rules make one: the first takes it.
        {SpacingRule::RemoveSpaces,
         {"ab c", "a bc", "a b"},
         {"ab c", "a bc", "a b"},
         {"ab c > abc", "a bc > abc (clash)", "a b > ab"}},
        {SpacingRule::UnderscoresToSpaces,
         {"___", "_.._"},
         {"___", "_.._"},
         {"___ >  (no name)", "_.._ > .. (no name)"}},
    };
    const char *marks[] = {"", " (unchanged)", " (clash)", " (no name)", " (missing)"};
    for (const auto &c : cases) {
        QStringList rows;
        for (const tools::PreviewRow &row :
             tools::previewRenames(c.selected, QSet<QString>(c.folder.begin(), c.folder.end()),
                                   {c.spacing, CaseRule::None}))
            rows << row.oldName + " > " + row.newName + marks[static_cast<int>(row.mark)];
        EXPECT_EQ(rows, c.rows);
    }
}

// A run that partly failed, then files touched by another program: the undo
// takes back what it can, last first, never over an existing name.
TEST(RenameUndo, AfterAPartialFailure) {
    TempFolder tmp;
    for (const char *name : {"a b", "c d", "e f", "g h", "g_h"})
        tmp.write(name, name);
    const tools::RenameRun run = tools::renameSelectedFiles(
        TableFileList(tmp.path(), {{"a b", true}, {"c d", true}, {"e f", true}, {"g h", true}}),
        {SpacingRule::SpacesToUnderscores, CaseRule::None}, [](int) {});
    EXPECT_TRUE(run.failed) << "g_h is taken";
    ASSERT_EQ(run.renamed.size(), 3);
    tmp.write("c d", "new c d");
    ASSERT_TRUE(QFile::rename(tmp.path("e_f"), tmp.path("moved")));
    const tools::UndoOutcome outcome = tools::undoRenames(run.renamed);
    EXPECT_EQ(outcome.renamedBack, 1);
    EXPECT_EQ(outcome.notUndone,
              QStringList({"e_f: no longer there", "c_d: the name c d is taken"}));
    EXPECT_EQ(filesIn(tmp), QStringList({"a b", "c d", "c_d", "g h", "g_h", "moved"}));
    EXPECT_EQ(testsupport::readAll(tmp.path("c d")), "new c d");
    EXPECT_EQ(testsupport::readAll(tmp.path("c_d")), "c d");
    EXPECT_EQ(testsupport::readAll(tmp.path("a b")), "a b");
}

TEST(RenameWalk, CaseOnlyAttributesAndProgress) {
    TempFolder tmp;
    const ino_t before = inode(tmp.write("README.TXT", "readme"));
    tmp.write("KEEP.TXT", "keep");
    tmp.write("a", "a");
    tmp.write("b", "b");
    testsupport::setReadOnly(tmp.path("README.TXT"), true);
    testsupport::setReadOnly(tmp.path("a"), true);
    QList<int> progress;
    const bool failed =
        tools::renameSelectedFiles(
            TableFileList(tmp.path(),
                          {{"a", true}, {"KEEP.TXT", true}, {"b", false}, {"README.TXT", true}}),
            {SpacingRule::None, CaseRule::Upper}, [&](int p) { progress << p; })
            .failed;
    EXPECT_FALSE(failed);
    EXPECT_EQ(progress, QList<int>({0, 25, 75}));
    EXPECT_EQ(filesIn(tmp), QStringList({"A", "KEEP.TXT", "README.TXT", "b"}));
    EXPECT_FALSE(platform::isReadOnly(tmp.path("A"))) << "renamed: attributes cleared";
    EXPECT_TRUE(platform::isReadOnly(tmp.path("README.TXT"))) << "unchanged: untouched";

    tools::renameSelectedFiles(TableFileList(tmp.path(), {{"README.TXT", true}}),
                               {SpacingRule::None, CaseRule::Lower}, [](int) {});
    EXPECT_EQ(filesIn(tmp), QStringList({"A", "KEEP.TXT", "b", "readme.txt"}));
    EXPECT_EQ(inode(tmp.path("readme.txt")), before) << "renamed in place";
    EXPECT_EQ(testsupport::readAll(tmp.path("readme.txt")), "readme");

    // Two names for one file differing only in case: the other name stays.
    ASSERT_EQ(::link(QFile::encodeName(tmp.path("readme.txt")),
                     QFile::encodeName(tmp.path("Readme.txt"))),
              0);
    EXPECT_TRUE(tools::renameSelectedFiles(TableFileList(tmp.path(), {{"Readme.txt", true}}),
                                           {SpacingRule::None, CaseRule::Lower}, [](int) {})
                    .failed);
    EXPECT_EQ(filesIn(tmp), QStringList({"A", "KEEP.TXT", "Readme.txt", "b", "readme.txt"}));
}

namespace {

struct RenameWindow {
    TempFolder tmp;
    TableFileList list{tmp.path(), {{"one two.txt", true}, {"x", false}, {"gone", true}}};
    RecordingGate gate;
    TRename_Form window{list, gate};
    QList<int> progress;
    RenameWindow() {
        tmp.write("one two.txt", "1");
        tmp.write("x", "x");
        QObject::connect(window.ProgressBar1, &QProgressBar::valueChanged,
                         [this](int p) { progress << p; });
    }
};

}  // namespace

TEST(RenameWindow, RenameRunsAndReportsFailures) {
    RenameWindow w;
    w.window.openTool();
    EXPECT_TRUE(w.window.isVisible());
    EXPECT_FALSE(w.gate.enabled);
    EXPECT_TRUE(w.window.RadioButton7->isChecked() && w.window.RadioButton6->isChecked());
    w.window.RadioButton3->click();
    w.window.RadioButton5->click();
    testsupport::dialogs().answer(platform::Ok);
    QTest::keyClick(&w.window, Qt::Key_Return);  // Rename is the default button
    EXPECT_EQ(filesIn(w.tmp), QStringList({"One_two.Txt", "x"}));
    EXPECT_EQ(testsupport::dialogs().texts(),
              QStringList{"One or more of the files you selected could not be renamed.  The "
                          "file(s) may have been in use."});
    EXPECT_EQ(testsupport::shell().beeps, 1);
    EXPECT_EQ(w.progress, QList<int>({67, 0}));
    EXPECT_EQ(w.gate.calls,
              QStringList({"disable", "reread", "show and enable", "status Awaiting User."}));
    EXPECT_FALSE(w.window.isVisible());
    EXPECT_TRUE(w.window.BitBtn1->isEnabled() && w.window.BitBtn2->isEnabled());

    w.window.openTool();
    EXPECT_TRUE(w.window.RadioButton3->isChecked() && w.window.RadioButton5->isChecked());
}

// Each way out, at every opening: the main window comes back and nothing
// is renamed.
TEST(RenameWindow, CanAlwaysBeLeft) {
    const struct {
        const char *how;
        std::function<void(TRename_Form &)> leave;
    } ways[] = {
        {"Cancel", [](TRename_Form &f) { f.BitBtn1->click(); }},
        {"Escape", [](TRename_Form &f) { QTest::keyClick(&f, Qt::Key_Escape); }},
        {"window manager close", [](TRename_Form &f) { f.close(); }},
    };
    RenameWindow w;
    w.window.RadioButton3->click();
    for (int opening = 0; opening < 2; ++opening)
        for (const auto &way : ways) {
            SCOPED_TRACE(way.how);
            w.window.openTool();
            ASSERT_FALSE(w.gate.enabled);
            EXPECT_TRUE(w.window.BitBtn1->isEnabled());
            way.leave(w.window);
            EXPECT_FALSE(w.window.isVisible());
            EXPECT_TRUE(w.gate.enabled);
        }
    EXPECT_EQ(filesIn(w.tmp), QStringList({"one two.txt", "x"}));
}

namespace {

QStringList previewLines(const TRename_Form &form) {
    QStringList lines;
    for (int i = 0; i < form.Preview->topLevelItemCount(); ++i)
        lines << form.Preview->topLevelItem(i)->text(0) + " > " +
                     form.Preview->topLevelItem(i)->text(1);
    return lines;
}

}  // namespace

TEST(RenameWindow, PreviewFollowsTheRulesAndUndoTakesTheRunBack) {
    RenameWindow w;
    QList<bool> available;
    QObject::connect(&w.window, &TRename_Form::undoAvailable, [&](bool on) { available << on; });
    w.window.RadioButton7->click();
    w.window.RadioButton6->click();
    w.window.openTool();
    EXPECT_EQ(previewLines(w.window),
              QStringList({"one two.txt > (unchanged)", "gone > (unchanged)"}));
    w.window.RadioButton3->click();
    EXPECT_EQ(previewLines(w.window),
              QStringList({"one two.txt > one_two.txt", "gone > (unchanged)"}));
    w.window.RadioButton1->click();
    EXPECT_EQ(previewLines(w.window),
              QStringList({"one two.txt > ONE_TWO.TXT", "gone > (not found)"}));
    EXPECT_FALSE(w.window.UndoButton->isEnabled());

    testsupport::dialogs().answer(platform::Ok);  // "gone" could not be renamed
    w.window.BitBtn2->click();
    EXPECT_EQ(filesIn(w.tmp), QStringList({"ONE_TWO.TXT", "x"}));
    EXPECT_TRUE(w.window.UndoButton->isEnabled());
    testsupport::dialogs().reset();
    testsupport::dialogs().answer(platform::Ok);
    w.window.undoLastRename();  // as the Edit menu item does, with the tool hidden
    EXPECT_EQ(filesIn(w.tmp), QStringList({"one two.txt", "x"}));
    EXPECT_EQ(testsupport::dialogs().texts(), QStringList({"1 file(s) renamed back."}));
    EXPECT_FALSE(w.window.UndoButton->isEnabled());
    EXPECT_EQ(available, QList<bool>({true, false}));
    EXPECT_EQ(w.gate.calls.count("reread"), 2);
}

// A large selection goes into the preview a piece at a time, in list order,
// after the old rows leave in one change: the model's changes grow with the
// pieces, not with the rows, and never rebuild what is already shown.
TEST(RenameWindow, PreviewFillsByPieces) {
    constexpr int piece = TRename_Form::kPreviewPiece;
    const struct {
        int rows, inserts;
    } cases[] = {{0, 0}, {1, 1}, {piece, 1}, {piece + 1, 2}, {2 * piece + piece / 2, 3}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.rows);
        TempFolder tmp;
        QList<TableFileList::Entry> entries;
        for (int i = 0; i < c.rows; ++i)
            entries.append({QStringLiteral("f%1").arg(i), true});
        entries.append({QStringLiteral("unselected"), false});
        TableFileList list(tmp.path(), entries);
        RecordingGate gate;
        TRename_Form window(list, gate);
        int inserts = 0, removals = 0, resets = 0;
        QAbstractItemModel *model = window.Preview->model();
        QObject::connect(model, &QAbstractItemModel::rowsInserted, [&] { ++inserts; });
        QObject::connect(model, &QAbstractItemModel::rowsRemoved, [&] { ++removals; });
        QObject::connect(model, &QAbstractItemModel::modelReset, [&] { ++resets; });
        window.openTool();
        window.RadioButton1->click();  // a second preview replaces the first
        ASSERT_EQ(window.Preview->topLevelItemCount(), c.rows);
        EXPECT_EQ(inserts, 2 * c.inserts);
        EXPECT_EQ(removals, c.rows > 0 ? 1 : 0);
        EXPECT_EQ(resets, 0);
        for (int i = 0; i < c.rows; i += piece / 2)
            EXPECT_EQ(window.Preview->topLevelItem(i)->text(0), QStringLiteral("f%1").arg(i));
        window.BitBtn1->click();
    }
}
