#include "TRename_Form.h"

#include "platform/Dialogs.h"
#include "platform/FileListSource.h"
#include "platform/MainWindowGate.h"
#include "platform/MessagePace.h"
#include "platform/Shell.h"
#include "platform/WhilePumping.h"
#include "tools/rename/RenamePreview.h"
#include "tools/rename/RenameWalk.h"
#include "widgets/ProgressValue.h"

#include <QBrush>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QRadioButton *radio(const QString &caption, QGroupBox *group, const char *name) {
    auto *button = new QRadioButton(caption, group);
    button->setObjectName(QLatin1String(name));
    group->layout()->addWidget(button);
    return button;
}

QGroupBox *group(const QString &title, QWidget *parent) {
    auto *box = new QGroupBox(title, parent);
    new QVBoxLayout(box);
    return box;
}

// The second column of a preview row: the new name, or why there is none.
QString outcomeText(const tools::PreviewRow &row) {
    using tools::PreviewMark;
    switch (row.mark) {
        case PreviewMark::Renamed:
            return row.newName;
        case PreviewMark::Unchanged:
            return QCoreApplication::translate("TRename_Form", "(unchanged)");
        case PreviewMark::Clash:
            return QCoreApplication::translate("TRename_Form", "%1  (name taken: keeps its name)")
                .arg(row.newName);
        case PreviewMark::NoName:
            return QCoreApplication::translate("TRename_Form", "(no usable name: keeps its name)");
        case PreviewMark::Missing:
            return QCoreApplication::translate("TRename_Form", "(not found)");
    }
    return {};
}

}  // namespace

TRename_Form::TRename_Form(const FileListSource &files, MainWindowGate &mainWindow)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowMinMaxButtonsHint | Qt::WindowStaysOnTopHint),
      files_(files),
      main_(mainWindow) {
    setObjectName(QStringLiteral("Rename_Form"));
    setWindowTitle(tr("Batch Renaming Tool"));

    // Created in the order they show, so that Tab follows it.
    auto *intro =
        new QLabel(tr("This option will allow you to rename the files you have selected on the "
                      "main screen using\none of the following pre-defined templates :"),
                   this);
    QGroupBox *spacing = group(tr("Spacing Options"), this);
    RadioButton7 = radio(tr("None of the Above"), spacing, "RadioButton7");
    RadioButton3 = radio(tr("Change all Spaces to \"_\""), spacing, "RadioButton3");
    RadioButton4 = radio(tr("Change all \"_\" to Spaces"), spacing, "RadioButton4");
    RadioButton8 = radio(tr("Remove all Spaces"), spacing, "RadioButton8");
    RadioButton9 = radio(tr("Change all \"[\" and \"]\" to Spaces"), spacing, "RadioButton9");
    RadioButton7->setChecked(true);

    QGroupBox *letterCase = group(tr("Letter Case Options"), this);
    RadioButton6 = radio(tr("None of the Above"), letterCase, "RadioButton6");
    RadioButton1 = radio(tr("Rename All Selected Files to Uppercase"), letterCase, "RadioButton1");
    RadioButton2 = radio(tr("Rename All Selected Files to Lowercase"), letterCase, "RadioButton2");
    RadioButton5 = radio(tr("Capitalise Each First Letter"), letterCase, "RadioButton5");
    RadioButton6->setChecked(true);

    Preview = new QTreeWidget(this);
    Preview->setObjectName(QStringLiteral("RenamePreview"));
    Preview->setAccessibleName(tr("Preview of the new names"));
    Preview->setHeaderLabels({tr("Selected Name"), tr("New Name")});
    Preview->setRootIsDecorated(false);
    Preview->setUniformRowHeights(true);  // thousands of rows stay quick
    Preview->setSelectionMode(QAbstractItemView::NoSelection);
    Preview->setFocusPolicy(Qt::NoFocus);
    Preview->header()->setSectionResizeMode(QHeaderView::Stretch);
    Preview->setMinimumSize(520, 160);
    for (QRadioButton *b : {RadioButton7, RadioButton3, RadioButton4, RadioButton8, RadioButton9,
                            RadioButton6, RadioButton1, RadioButton2, RadioButton5})
        connect(b, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                refreshPreview();
        });

    auto *independent = new QLabel(
        tr("This operation is independent of Zip and Unzipping functions of Tovrane."), this);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setAccessibleName(tr("Rename progress"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);

    BitBtn2 = new QPushButton(tr("Rename"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setDefault(true);
    BitBtn1 = new QPushButton(tr("Cancel"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setAutoDefault(false);
    connect(BitBtn2, &QPushButton::clicked, this, &TRename_Form::BitBtn2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TRename_Form::BitBtn1Click);
    UndoButton = new QPushButton(tr("Undo Last Rename"), this);
    UndoButton->setObjectName(QStringLiteral("UndoButton"));
    UndoButton->setAutoDefault(false);
    UndoButton->setEnabled(false);
    connect(UndoButton, &QPushButton::clicked, this, &TRename_Form::undoLastRename);

    auto *groups = new QHBoxLayout;
    groups->addWidget(spacing);
    groups->addWidget(letterCase);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(UndoButton);
    buttons->addStretch();
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(groups);
    layout->addWidget(Preview);
    layout->addWidget(independent);
    layout->addWidget(ProgressBar1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TRename_Form::openTool() {
    // Whatever the last opening ended with, the window can always be left.
    BitBtn1->setEnabled(true);
    refreshPreview();
    show();
    raise();
    activateWindow();
    main_.disableMain();
}

tools::RenameRules TRename_Form::checkedRules() const {
    using tools::CaseRule;
    using tools::SpacingRule;
    tools::RenameRules rules;
    if (RadioButton3->isChecked())
        rules.spacing = SpacingRule::SpacesToUnderscores;
    else if (RadioButton4->isChecked())
        rules.spacing = SpacingRule::UnderscoresToSpaces;
    else if (RadioButton8->isChecked())
        rules.spacing = SpacingRule::RemoveSpaces;
    else if (RadioButton9->isChecked())
        rules.spacing = SpacingRule::RemoveBrackets;
    if (RadioButton1->isChecked())
        rules.letterCase = CaseRule::Upper;
    else if (RadioButton2->isChecked())
        rules.letterCase = CaseRule::Lower;
    else if (RadioButton5->isChecked())
        rules.letterCase = CaseRule::Capitalise;
    return rules;
}

void TRename_Form::BitBtn2Click() {
    BitBtn1->setEnabled(true);
    BitBtn2->setEnabled(false);
    // Nothing can be clicked while the files are renamed; thousands of them
    // take a while, so the window repaints by the clock meanwhile.
    setEnabled(false);
    MessagePace pace;
    tools::RenameRun run =
        tools::renameSelectedFiles(files_, checkedRules(), [this, &pace](int percent) {
            setProgressValue(*ProgressBar1, percent);
            if (pace.due())
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
    setLastRun(std::move(run.renamed));
    platform::shell().beep();
    BitBtn2->setEnabled(true);
    BitBtn1->setEnabled(true);
    main_.rereadFileList();
    ProgressBar1->setValue(0);
    setEnabled(true);
    main_.showAndEnableMain();
    hide();
    main_.setMainStatus(tr("Awaiting User."));
    if (run.failed)
        platform::inform(
            tr("One or more of the files you selected could not be renamed.  The "
               "file(s) may have been in use."));
}

void TRename_Form::BitBtn1Click() {
    main_.showAndEnableMain();
    hide();
    // Cancel stays enabled: with the main window disabled, a Cancel that
    // waited for the next rename would leave "Rename" as the only way out.
    BitBtn2->setEnabled(true);
}

void TRename_Form::reject() {
    BitBtn1Click();
}

void TRename_Form::refreshPreview() {
    // A folder of a hundred thousand names takes a good part of a second to
    // list and as long again to show: the listing runs on a thread of its
    // own and the rows go in by pieces, with the window's messages let
    // through between them, so that it keeps repainting. Clicks wait (a
    // rule checked meanwhile would start a second preview inside this one).
    const auto pump = [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); };
    QStringList selected;
    for (int i = 0; i < files_.count(); ++i)
        if (files_.isSelected(i))
            selected << files_.name(i);
    const QString folder = files_.directory();
    const tools::RenameRules rules = checkedRules();
    const QList<tools::PreviewRow> rows = runWhilePumping(
        [&] { return tools::previewRenames(selected, tools::namesInFolder(folder), rules); }, pump);
    // The old rows leave the view in one change and are freed by pieces:
    // a hundred thousand of them take as long to free as to make.
    MessagePace pace;
    QList<QTreeWidgetItem *> old = Preview->invisibleRootItem()->takeChildren();
    for (qsizetype at = 0; at < old.size(); ++at) {
        delete old[at];
        if (at % kPreviewPiece == 0 && pace.due())
            pump();
    }
    const QBrush quiet = palette().brush(QPalette::Disabled, QPalette::Text);
    const QBrush warning(Qt::red);
    QList<QTreeWidgetItem *> items;
    items.reserve(std::min<qsizetype>(rows.size(), kPreviewPiece));
    for (qsizetype at = 0; at < rows.size(); at += kPreviewPiece) {
        const qsizetype end = std::min<qsizetype>(rows.size(), at + kPreviewPiece);
        for (qsizetype i = at; i < end; ++i) {
            const tools::PreviewRow &row = rows[i];
            auto *item = new QTreeWidgetItem({row.oldName, outcomeText(row)});
            if (row.mark == tools::PreviewMark::Unchanged)
                item->setForeground(1, quiet);
            else if (row.mark != tools::PreviewMark::Renamed)
                item->setForeground(1, warning);
            items.append(item);
        }
        Preview->addTopLevelItems(items);
        items.clear();
        if (pace.due())
            pump();
    }
}

void TRename_Form::undoLastRename() {
    if (lastRun_.isEmpty())
        return;
    const tools::UndoOutcome outcome = tools::undoRenames(lastRun_);
    setLastRun({});
    main_.rereadFileList();
    if (isVisible())
        refreshPreview();
    QString text = tr("%1 file(s) renamed back.").arg(outcome.renamedBack);
    if (!outcome.notUndone.isEmpty())
        text += tr("\n\nCould not be renamed back:\n") + outcome.notUndone.join(u'\n');
    platform::inform(text);
}

void TRename_Form::setLastRun(QList<tools::RenamedFile> run) {
    lastRun_ = std::move(run);
    UndoButton->setEnabled(canUndo());
    emit undoAvailable(canUndo());
}
