#include "DefinableExtDialog.h"

#include "platform/Dialogs.h"
#include "tools/filters/FileFilters.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

TDefinable_Ext::TDefinable_Ext(FilterList filterList, SetFilterList setFilterList,
                               QWidget *mainWindow)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      filterList_(std::move(filterList)),
      setFilterList_(std::move(setFilterList)),
      mainWindow_(mainWindow) {
    setWindowTitle(tr("Definable File Extensions"));
    setModal(false);
    auto *column = new QVBoxLayout(this);

    auto *existing = new QGroupBox(tr("Existing File Extensions"), this);
    auto *existingRow = new QHBoxLayout(existing);
    ListBox1 = new QListWidget(existing);
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Named for screen readers, which would otherwise read the group's title.
    ListBox1->setAccessibleName(tr("File extensions"));
    existingRow->addWidget(ListBox1, 1);
    Button2 = new QPushButton(tr("Remove"), existing);
    existingRow->addWidget(Button2, 0, Qt::AlignTop);
    column->addWidget(existing, 1);

    auto *adding = new QGroupBox(tr("Add a New Extension"), this);
    auto *addRow = new QHBoxLayout(adding);
    Edit1 = new QLineEdit(adding);
    Edit1->setAccessibleName(tr("New extension"));
    Edit1->setAccessibleDescription(tr("A file extension to add to the list"));
    addRow->addWidget(Edit1, 1);
    Button1 = new QPushButton(tr("Add"), adding);
    Button1->setAutoDefault(false);
    addRow->addWidget(Button1);
    column->addWidget(adding);

    BitBtn1 = new QPushButton(tr("OK"), this);
    column->addWidget(BitBtn1, 0, Qt::AlignHCenter);
    resize(300, 320);

    connect(Button1, &QPushButton::clicked, this, &TDefinable_Ext::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TDefinable_Ext::Button2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TDefinable_Ext::BitBtn1Click);
    // Enter in the edit box adds and nothing more: a line edit passes the
    // key on, and the dialog would then press OK and close.
    Edit1->installEventFilter(this);
}

bool TDefinable_Ext::eventFilter(QObject *watched, QEvent *event) {
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Button1Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TDefinable_Ext::Open() {
    ListBox1->clear();
    QStringList sorted;
    for (const QString &mask : filefilters::masksOf(filterList_()))
        sorted.insert(filefilters::sortedPosition(sorted, mask), mask);
    ListBox1->addItems(sorted);
    show();
    raise();
    activateWindow();
}

QStringList TDefinable_Ext::masks() const {
    QStringList result;
    for (int i = 0; i < ListBox1->count(); ++i)
        result << ListBox1->item(i)->text();
    return result;
}

void TDefinable_Ext::Button1Click() {
    const QString mask = filefilters::cleanedMask(Edit1->text());
    if (mask.isEmpty()) {
        platform::inform(tr("You type a file extension type in order to add it."));
        Edit1->setFocus();
    } else {
        ListBox1->insertItem(filefilters::sortedPosition(masks(), mask), mask);
    }
    Edit1->clear();
}

void TDefinable_Ext::Button2Click() {
    if (ListBox1->selectedItems().isEmpty())
        platform::inform(tr("You must select a file extension type in order to remove it."));
    // The first line stays, so the list can never be emptied.
    for (int i = ListBox1->count() - 1; i >= 1; --i) {
        if (ListBox1->item(i)->isSelected())
            delete ListBox1->takeItem(i);
    }
}

void TDefinable_Ext::BitBtn1Click() {
    setFilterList_(filefilters::filterListOf(masks()));
    hide();
    if (mainWindow_)
        mainWindow_->show();
}

void TDefinable_Ext::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    Edit1->setFocus();
}
