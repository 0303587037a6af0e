#include "TDupes.h"

#include "platform/Dialogs.h"
#include "platform/FileListSource.h"
#include "platform/FileSystem.h"
#include "platform/MainWindowGate.h"
#include "platform/Trash.h"
#include "tools/dupes/DupesDeletion.h"
#include "tools/dupes/DupesWalk.h"
#include "widgets/OffThread.h"
#include "widgets/ToolRun.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

// Made when shown, in the language of the window.
QString countLine() {
    return QCoreApplication::translate("TDupes", "Number of Duplicates found : ");
}
QString looking() {
    return QCoreApplication::translate("TDupes", "Number of Duplicates found : <LOOKING>");
}

}  // namespace

TDupes::TDupes(const FileListSource &files, MainWindowGate &gate)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint), files_(files), gate_(gate) {
    setObjectName(QStringLiteral("Dupes"));
    setWindowTitle(tr("Duplicate File Remover Tool"));

    Label1 = new QLabel(countLine(), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));

    TabControl1 = new QTabBar(this);
    TabControl1->setObjectName(QStringLiteral("TabControl1"));
    TabControl1->setExpanding(false);
    TabControl1->setUsesScrollButtons(true);
    TabControl1->setAccessibleName(tr("Groups of duplicates"));
    connect(TabControl1, &QTabBar::currentChanged, this, &TDupes::TabControl1Change);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBox1->setAccessibleName(tr("Duplicate files"));

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setAccessibleName(tr("Search progress"));
    BitBtn1 = new QPushButton(tr("Stop"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    run_ = new ToolRun(*this, *BitBtn1, *ProgressBar1);
    BitBtn3 = new QPushButton(tr("Delete Selected Files"), this);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    BitBtn3->setEnabled(false);
    // Deleting is never what Enter does by accident.
    BitBtn1->setAutoDefault(false);
    BitBtn3->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &TDupes::BitBtn1Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TDupes::BitBtn3Click);
    // Escape stops a search at once, and otherwise closes the window.
    run_->escapePressesStop([this] { close(); });

    auto *tabbed = new QVBoxLayout;
    tabbed->setSpacing(0);
    tabbed->addWidget(TabControl1);
    tabbed->addWidget(ListBox1, 1);

    // The stretches keep the two buttons centred whatever the width.
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn3);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addLayout(tabbed, 1);
    layout->addWidget(ProgressBar1);
    layout->addLayout(buttons);
    setTabOrder(TabControl1, ListBox1);
    setTabOrder(ListBox1, BitBtn1);
    setTabOrder(BitBtn1, BitBtn3);
    resize(420, 380);
}

void TDupes::findDuplicates() {
    // A request that arrives through a message pumped by a search (the
    // window closed, the main window enabled again and its button clicked
    // at once) would start a second search inside the first: it is dropped;
    // the first search is ending anyway.
    if (searching_)
        return;
    searching_ = true;
    {
        const QSignalBlocker quiet(TabControl1);
        const bool shown = TabControl1->isVisibleTo(this);
        TabControl1->hide();
        while (TabControl1->count() > 0)
            TabControl1->removeTab(TabControl1->count() - 1);
        TabControl1->setVisible(shown);
    }
    ListBox1->clear();
    show();
    raise();
    activateWindow();
    Label1->setText(looking());
    Label2->setText(tr("Status : Reading file CRC32 - please wait"));
    QCoreApplication::processEvents();
    ListBox1->setEnabled(false);
    gate_.disableMain();
    QCoreApplication::processEvents();
    run_->begin();
    BitBtn3->setEnabled(false);

    folder_ = platform::withSeparator(files_.directory());
    tools::walkDupes(files_, *this, table_);

    ProgressBar1->setValue(0);
    Label2->setText(tr("Status : Analysing Results : Please Wait"));
    QCoreApplication::processEvents();
    const int groups = table_.group();
    {
        // A shown tab bar lays out all its tabs again for each tab added; a
        // hidden one lays them out once, when it shows again.
        const QSignalBlocker quiet(TabControl1);
        const bool shown = TabControl1->isVisibleTo(this);
        TabControl1->hide();
        for (int number = 1; number <= groups; ++number)
            TabControl1->addTab(QString::number(number));
        TabControl1->setVisible(shown);
    }
    listGroup(1);

    Label2->setText(tr("Status : Complete."));
    ListBox1->setEnabled(true);
    if (groups == 0)
        ListBox1->addItem(tr("No Duplicate files found."));
    else
        BitBtn3->setEnabled(true);
    run_->end();
    Label1->setText(countLine() + QString::number(groups));
    searching_ = false;
}

void TDupes::BitBtn1Click() {
    run_->requestStop();
}

void TDupes::TabControl1Change() {
    listGroup(TabControl1->tabText(TabControl1->currentIndex()).toInt());
}

void TDupes::BitBtn3Click() {
    const QList<QListWidgetItem *> chosen = ListBox1->selectedItems();
    if (chosen.isEmpty()) {
        platform::inform(tr("You must select a file before you can delete it."));
        return;
    }
    if (chosen.size() == ListBox1->count() &&
        !platform::confirm(tr("Are you sure you want to delete all files you have selected ?")))
        return;
    gate_.setBusy(true);
    // Only a line that stands for a file of the table names one; the table
    // holds the name whole, so the file deleted is the one listed.
    const auto nameAt = [this](int row) {
        const QVariant entry = ListBox1->item(row)->data(Qt::UserRole);
        return entry.isValid() ? table_.at(entry.toInt()).name : QString();
    };
    QStringList doomed, kept;
    QHash<QString, qsizetype> doomedAt;
    for (int row = 0; row < ListBox1->count(); ++row) {
        const QString name = nameAt(row);
        if (name.isEmpty())
            continue;
        if (ListBox1->item(row)->isSelected()) {
            doomedAt.insert(name, doomed.size());
            doomed << folder_ + name;
        } else {
            kept << folder_ + name;
        }
    }
    // The files are looked at again now: one that changed since the search
    // may be the only copy of what it holds. Large copies take a while to
    // read, and a large file to delete: the window repaints meanwhile.
    const QList<bool> mayGo = runOffThread([&] { return tools::stillDuplicates(doomed, kept); });
    const auto repaint = [] {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    QStringList changed;
    platform::DisposalTally tally(!trashChoice_ || trashChoice_());
    for (int row = ListBox1->count() - 1; row >= 0; --row) {
        if (!ListBox1->item(row)->isSelected())
            continue;
        if (const QString name = nameAt(row); !name.isEmpty()) {
            if (!mayGo[doomedAt.value(name)]) {
                changed.prepend(name);
                continue;
            }
            // A failure leaves the line all the same.
            tally.add(platform::discardFile(folder_ + name, tally.toTrash(), repaint));
            table_.forget(name);
        }
        delete ListBox1->takeItem(row);
    }
    gate_.setBusy(false);
    if (!changed.isEmpty())
        platform::inform(tr("Not deleted, as no file you keep holds the same bytes "
                            "any more:\n") +
                         changed.join(QLatin1Char('\n')));
    const QString where = tally.statusText(platform::DisposalTally::Things::Files);
    if (!where.isEmpty())
        gate_.setMainStatus(where);
    // A Trash wanted and missing is said once per deletion.
    const QString noTrash = tally.noTrashText(platform::DisposalTally::Things::Files, folder_);
    if (!noTrash.isEmpty())
        platform::inform(noTrash);
}

void TDupes::closeEvent(QCloseEvent *event) {
    if (Label1->text() == looking() &&
        !platform::confirm(tr("Cancel duplicate reporting Operation ?"))) {
        event->ignore();
        return;
    }
    // A search still under way reads no further file and finishes its
    // analysis in the hidden window.
    run_->requestStop();
    BitBtn1->setEnabled(false);
    BitBtn3->setEnabled(true);
    gate_.showAndEnableMain();
    gate_.rereadFileList();
    gate_.setMainStatus(tr("Operation Completed."));
    event->accept();
}

const QString &TDupes::DupesRunFlag() const {
    return run_->flag();
}

bool TDupes::keepGoing() const {
    return run_->isGo();
}

void TDupes::setProgress(int percent) {
    run_->setProgress(percent);
}

void TDupes::pumpMessages() {
    // The search asks after every file and every block of a long read;
    // messages run by the clock, so many small files cost their reading,
    // not a turn of the message loop each.
    if (pace_.due())
        QCoreApplication::processEvents();
}

void TDupes::listGroup(int number) {
    ListBox1->clear();
    for (const int i : table_.members(number)) {
        auto *item = new QListWidgetItem(table_.at(i).name, ListBox1);
        item->setData(Qt::UserRole, i);
    }
}
