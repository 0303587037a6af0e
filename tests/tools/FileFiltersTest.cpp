#include "support/ScriptedDialogs.h"
#include "tools/filters/FileFilters.h"
#include "tools/filters/ui/DefinableExtDialog.h"
#include "widgets/FilterComboBox.h"

#include <gtest/gtest.h>
#include <QTest>
#include <QWidget>

using testsupport::dialogs;

namespace {
const QString kDefaults = "*.*|*.*|*.BMP|*.BMP|*.DOC|*.DOC|*.JPG|*.JPG|*.TXT|*.TXT|*.WMF|*.WMF";
}

TEST(FileFilters, MasksAreTakenFromThePairs) {
    struct Row {
        QString list;
        QStringList masks;
    } rows[] = {
        {kDefaults, {"*.*", "*.BMP", "*.DOC", "*.JPG", "*.TXT", "*.WMF"}},
        {"Text files|*.txt", {"*.TXT"}},
        {"", {}},
        {"ABC", {""}},
        {"a|b|c|d|", {"B", "D"}},
        {"|x", {"X"}},
    };
    for (const Row &r : rows)
        EXPECT_EQ(filefilters::masksOf(r.list), r.masks) << r.list.toStdString();
    EXPECT_EQ(filefilters::filterListOf({"*.*", "*.GIF"}), "*.*|*.*|*.GIF|*.GIF");
    EXPECT_EQ(filefilters::filterListOf({}), "");
    EXPECT_EQ(filefilters::filterListOf(filefilters::masksOf(kDefaults)), kDefaults);
    EXPECT_EQ(filefilters::cleanedMask("\t *.gif \n"), "*.GIF");
    EXPECT_EQ(filefilters::cleanedMask("  "), "");
}

class FilterDialog : public ::testing::Test {
  protected:
    FilterDialog()
        : dialog([this] { return box.filter(); },
                 [this](const QString &filter) { box.setFilter(filter); }, &mainWindow) {
        box.setFilter(kDefaults);
    }
    QWidget mainWindow;
    FilterComboBox box;
    TDefinable_Ext dialog;
};

TEST_F(FilterDialog, OpensWithTheMasksOfTheFilterBox) {
    dialog.Open();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.masks(), QStringList({"*.*", "*.BMP", "*.DOC", "*.JPG", "*.TXT", "*.WMF"}));
}

TEST_F(FilterDialog, AddedMaskIsSortedInAndOkRebuildsTheBox) {
    box.setCurrentIndex(3);
    QString applied;
    QObject::connect(&box, &FilterComboBox::maskChanged, [&](const QString &m) { applied = m; });
    dialog.Open();
    dialog.Edit1->setText("  *.gif ");
    dialog.Button1Click();
    EXPECT_TRUE(dialog.Edit1->text().isEmpty());
    dialog.BitBtn1Click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(box.filter(),
              "*.*|*.*|*.BMP|*.BMP|*.DOC|*.DOC|*.GIF|*.GIF|*.JPG|*.JPG|*.TXT|*.TXT|*.WMF|*.WMF");
    EXPECT_EQ(box.currentIndex(), 0);
    EXPECT_EQ(applied, "*.*");
}

// Enter in the box adds the mask and leaves the dialog open.
TEST_F(FilterDialog, EnterInTheBoxAddsAndStaysOpen) {
    dialog.Open();
    dialog.Edit1->setText("*.gif");
    QTest::keyClick(dialog.Edit1, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.masks().count("*.GIF"), 1);
}

TEST_F(FilterDialog, DuplicatesAreTakenAsTyped) {
    dialog.Open();
    dialog.Edit1->setText("*.txt");
    dialog.Button1Click();
    EXPECT_EQ(dialog.masks().count("*.TXT"), 2);
}

TEST_F(FilterDialog, EmptyAddAndEmptyRemoveExplain) {
    dialog.Open();
    dialogs().answer(platform::Ok);
    dialogs().answer(platform::Ok);
    dialog.Edit1->setText("   ");
    dialog.Button1Click();
    dialog.Button2Click();
    EXPECT_EQ(dialogs().texts(),
              QStringList({"You type a file extension type in order to add it.",
                           "You must select a file extension type in order to remove it."}));
    EXPECT_EQ(dialog.masks().size(), 6);
}

TEST_F(FilterDialog, RemovingEverythingKeepsTheFirstLine) {
    dialog.Open();
    dialog.ListBox1->selectAll();
    dialog.Button2Click();
    EXPECT_EQ(dialog.masks(), QStringList({"*.*"}));
    dialog.BitBtn1Click();
    EXPECT_EQ(box.filter(), "*.*|*.*");
}

TEST_F(FilterDialog, EmptyFilterListGivesAnEmptyDialogAndAllFiles) {
    box.setFilter("");
    EXPECT_EQ(box.count(), 0);
    EXPECT_EQ(box.mask(), "*.*");
    dialog.Open();
    EXPECT_TRUE(dialog.masks().isEmpty());
    dialog.BitBtn1Click();
    EXPECT_EQ(box.filter(), "");
}
