#include "TrashRemovalWindow.h"

#include "batch/RezipFilters.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

TTrash_Removal::TTrash_Removal(QString &rezipChoice, QWidget &mainWindow)
    : QDialog(nullptr), choice_(rezipChoice), main_(mainWindow) {
    setWindowTitle(tr("File Filter Removal"));
    setAttribute(Qt::WA_QuitOnClose, false);
    auto *column = new QVBoxLayout(this);

    auto *frame = new QGroupBox(tr("Select File Types to Delete on Rezip"), this);
    auto *grid = new QGridLayout(frame);
    const QStringList &fixed = rezipfilters::fixedPatterns();
    for (int i = 0; i < 7; ++i) {
        boxes[i] = new QCheckBox(fixed[i], frame);
        grid->addWidget(boxes[i], i, 0);
    }
    CheckBox8 = boxes[7] = new QCheckBox(QStringLiteral("*."), frame);
    grid->addWidget(CheckBox8, 7, 0);
    Edit1 = new QLineEdit(frame);
    Edit1->setMaxLength(3);
    Edit1->setEnabled(false);
    Edit1->setFixedWidth(Edit1->fontMetrics().horizontalAdvance(QStringLiteral("WWWW")) + 12);
    grid->addWidget(Edit1, 7, 1, Qt::AlignLeft);
    // A screen reader would read the field as the group's title; it is the
    // extension that the "*." box beside it completes.
    Edit1->setAccessibleName(tr("Other extension"));
    Edit1->setAccessibleDescription(
        tr("Up to three letters after \"*.\", a file type of "
           "your own to delete"));
    grid->setColumnStretch(1, 1);
    column->addWidget(frame);

    column->addWidget(new QLabel(tr("This option will remove any \"Trash\" files you may have\n"
                                    "contained within your original zip file.  Warning: Once\n"
                                    "they have been removed they cannot be retrieved.\n"
                                    "You can ignore this feature and click \"Rezip\" to \n"
                                    "continue rezipping your files."),
                                 this));

    auto *row = new QHBoxLayout;
    row->addStretch();
    BitBtn2 = new QPushButton(tr("Rezip"), this);
    BitBtn2->setDefault(true);
    BitBtn1 = new QPushButton(tr("Cancel"), this);
    row->addWidget(BitBtn2);
    row->addWidget(BitBtn1);
    column->addLayout(row);

    // Tab follows what the eye reads: the boxes top to bottom, the
    // extension beside the last one, then the buttons left to right.
    QWidget *previous = boxes[0];
    for (QWidget *next : {static_cast<QWidget *>(boxes[1]), static_cast<QWidget *>(boxes[2]),
                          static_cast<QWidget *>(boxes[3]), static_cast<QWidget *>(boxes[4]),
                          static_cast<QWidget *>(boxes[5]), static_cast<QWidget *>(boxes[6]),
                          static_cast<QWidget *>(CheckBox8), static_cast<QWidget *>(Edit1),
                          static_cast<QWidget *>(BitBtn2), static_cast<QWidget *>(BitBtn1)}) {
        setTabOrder(previous, next);
        previous = next;
    }

    connect(BitBtn1, &QPushButton::clicked, this, &TTrash_Removal::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TTrash_Removal::BitBtn2Click);
    connect(CheckBox8, &QCheckBox::clicked, this, &TTrash_Removal::CheckBox8Click);
    adjustSize();
    setFixedSize(size());
}

void TTrash_Removal::Open() {
    show();
    raise();
    activateWindow();
    boxes[0]->setFocus(Qt::OtherFocusReason);
}

QStringList TTrash_Removal::patterns() const {
    QStringList chosen;
    const QStringList &fixed = rezipfilters::fixedPatterns();
    for (int i = 0; i < 7; ++i)
        if (boxes[i]->isChecked())
            chosen << fixed[i];
    if (CheckBox8->isChecked())
        chosen << rezipfilters::customPattern(Edit1->text());
    return chosen;
}

void TTrash_Removal::BitBtn1Click() {
    leave(QStringLiteral("CANCEL"));
    main_.setEnabled(true);
}

void TTrash_Removal::BitBtn2Click() {
    leave(QStringLiteral("REZIP"));
}

void TTrash_Removal::CheckBox8Click() {
    Edit1->setEnabled(CheckBox8->isChecked());
    if (CheckBox8->isChecked())
        Edit1->setFocus(Qt::OtherFocusReason);
    else
        Edit1->clear();
}

void TTrash_Removal::reject() {
    BitBtn1Click();
}

void TTrash_Removal::leave(const QString &choice) {
    choice_ = choice;
    main_.show();
    hide();
}
