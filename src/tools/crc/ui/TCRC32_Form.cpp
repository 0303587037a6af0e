#include "TCRC32_Form.h"

#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/SaveFile.h"
#include "tools/crc/Crc32ReportFile.h"
#include "tools/crc/Crc32ReportWalk.h"
#include "widgets/ToolRun.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TCRC32_Form::TCRC32_Form(const FileListSource &files, WindowGate mainWindow)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint),
      files_(files),
      mainWindow_(std::move(mainWindow)) {
    setObjectName(QStringLiteral("CRC32_Form"));
    setWindowTitle(tr("Tovrane CRC32 Reporting Tool"));

    Label1 = new QLabel(
        tr("This option will report CRC32 values of ANY files selected on the main screen."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);

    // The grid's fixed header row is the table's horizontal header: it stays
    // in place while the rows scroll, and row 0 of the table is the first
    // file. The saved report still starts with the header line.
    StringGrid1 = new QTableWidget(0, 3, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setAccessibleName(tr("CRC32 report"));
    QFont bold = StringGrid1->font();
    bold.setBold(true);
    StringGrid1->setFont(bold);
    StringGrid1->horizontalHeader()->setFont(bold);
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const tools::Crc32ReportRow header = tools::crc32ReportHeader();
    StringGrid1->setHorizontalHeaderLabels({tr(qUtf8Printable(header.name)),
                                            tr(qUtf8Printable(header.crc)),
                                            tr(qUtf8Printable(header.size))});
    StringGrid1->setColumnWidth(0, 198);
    StringGrid1->setColumnWidth(1, 129);
    StringGrid1->setColumnWidth(2, 114);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setAccessibleName(tr("Report progress"));
    BitBtn1 = new QPushButton(tr("Stop"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    run_ = new ToolRun(*this, *BitBtn1, *ProgressBar1);
    BitBtn3 = new QPushButton(tr("Save Report to a File"), this);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    connect(BitBtn1, &QPushButton::clicked, this, &TCRC32_Form::BitBtn1Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TCRC32_Form::BitBtn3Click);
    run_->escapePressesStop();

    // The stretches keep the two buttons centred whatever the width.
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn3);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(StringGrid1, 1);
    layout->addWidget(ProgressBar1);
    layout->addLayout(buttons);
    resize(490, 400);
}

void TCRC32_Form::runReport() {
    // A request that arrives through a message pumped by a walk (the
    // window closed, the main window enabled again and its button clicked
    // at once) would start a second walk inside the first and mix their
    // rows: it is dropped; the first walk is ending anyway.
    if (walking_)
        return;
    show();
    raise();
    activateWindow();
    mainWindow_.disableMain();
    QCoreApplication::processEvents();

    run_->begin();
    BitBtn3->setEnabled(false);
    pendingRows_.clear();
    sinceRows_.invalidate();
    StringGrid1->setRowCount(0);
    walking_ = true;
    tools::walkCrc32Report(files_, *this);
    walking_ = false;
    showPendingRows();

    run_->end();
    BitBtn3->setEnabled(true);
}

bool TCRC32_Form::isRunning() const {
    return !BitBtn3->isEnabled();
}

void TCRC32_Form::BitBtn1Click() {
    run_->requestStop();
    setRunning(false);
}

void TCRC32_Form::BitBtn3Click() {
    platform::SaveRequest request;
    request.title = tr("Save Tovrane CRC32 Report");
    request.defaultName = tr("Report");
    request.defaultSuffix = QStringLiteral("CSV");
    // The filter's only text is ".CSV"; it names the report files of
    // either case, since names differ by case here.
    request.filter = QStringLiteral(".CSV|*.CSV;*.csv");
    request.initialFolder = platform::homeFolder();
    const std::optional<QString> path = platform::dialogs().saveFileName(request);
    if (!path)
        return;

    QList<tools::Crc32ReportRow> rows{tools::crc32ReportHeader()};
    for (int r = 0; r < StringGrid1->rowCount(); ++r)
        rows << rowAt(r);
    platform::reportSaved(tools::saveCrc32Report(*path, rows));
}

const QString &TCRC32_Form::runFlag() const {
    return run_->flag();
}

bool TCRC32_Form::keepGoing() const {
    return run_->isGo();
}

void TCRC32_Form::setProgress(int percent) {
    run_->setProgress(percent);
}

void TCRC32_Form::addRow(const tools::Crc32ReportRow &row) {
    pendingRows_ << row;
    // Rows go into the grid a batch at a time: one insertion and one scroll
    // for all the rows of the last tenth of a second, not one per file.
    if (!sinceRows_.isValid() || sinceRows_.elapsed() >= 100)
        showPendingRows();
}

void TCRC32_Form::showPendingRows() {
    sinceRows_.start();
    if (pendingRows_.isEmpty())
        return;
    int r = StringGrid1->rowCount();
    StringGrid1->setRowCount(r + static_cast<int>(pendingRows_.size()));
    for (const tools::Crc32ReportRow &row : std::as_const(pendingRows_)) {
        StringGrid1->setItem(r, 0, new QTableWidgetItem(row.name));
        StringGrid1->setItem(r, 1, new QTableWidgetItem(row.crc));
        StringGrid1->setItem(r, 2, new QTableWidgetItem(row.size));
        ++r;
    }
    pendingRows_.clear();
    // Keep the newest line in view.
    StringGrid1->scrollToBottom();
}

void TCRC32_Form::pumpMessages() {
    // The walk asks after every file and every block of a large one;
    // messages run by the clock, so many small files cost their checksums,
    // not a turn of the message loop each.
    if (pace_.due())
        QCoreApplication::processEvents();
}

void TCRC32_Form::showEvent(QShowEvent *event) {
    ProgressBar1->setValue(0);
    QWidget::showEvent(event);
}

void TCRC32_Form::closeEvent(QCloseEvent *event) {
    if (isRunning() && !platform::confirm(tr("Cancel CRC32 reporting Operation ?"))) {
        event->ignore();
        return;
    }
    run_->requestStop();
    setRunning(false);
    mainWindow_.showAndEnableMain();
    event->accept();
}

void TCRC32_Form::setRunning(bool running) {
    BitBtn1->setEnabled(running);
    BitBtn3->setEnabled(!running);
}

tools::Crc32ReportRow TCRC32_Form::rowAt(int row) const {
    const auto text = [&](int column) {
        const QTableWidgetItem *item = StringGrid1->item(row, column);
        return item ? item->text() : QString();
    };
    return {text(0), text(1), text(2)};
}
