#include "Ttrimmer.h"

#include "platform/AsciiCase.h"
#include "platform/Dialogs.h"
#include "platform/FileListSource.h"
#include "platform/FileSystem.h"
#include "platform/MainWindowGate.h"
#include "platform/Shell.h"
#include "tools/crc/Crc32.h"
#include "tools/crc/FileCrc32.h"
#include "tools/trim/FileTrim.h"
#include "tools/trim/TrimOffsets.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kOk = QStringLiteral("OK");
const QString kBad = QStringLiteral("BAD");

QString flag(bool valid) {
    return valid ? kOk : kBad;
}

// "$" and at least eight upper-case hexadecimal digits; a size of -1 (the
// file did not open) shows as $FFFFFFFF.
QString hexSize(qint64 size) {
    const quint64 shown = size < 0 ? static_cast<quint32>(size) : static_cast<quint64>(size);
    return QLatin1Char('$') + QStringLiteral("%1").arg(shown, 8, 16, QLatin1Char('0')).toUpper();
}

QLineEdit *readOnlyBox(QWidget *parent, const char *name) {
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    return box;
}

QPushButton *button(const QString &caption, QWidget *parent, const char *name) {
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

Ttrimmer::Ttrimmer(const FileListSource &files, MainWindowGate &mainWindow)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowMinMaxButtonsHint | Qt::WindowStaysOnTopHint),
      StartOffsetFlag(kOk),
      EndOffsetFlag(kOk),
      files_(files),
      main_(mainWindow) {
    setObjectName(QStringLiteral("trimmer"));
    setWindowTitle(tr("File Trim Tool"));

    // Created in the order they show, top to bottom, so that Tab follows it.
    auto *information = new QGroupBox(tr("Pre-Trim information"), this);
    Edit1 = readOnlyBox(information, "Edit1");
    Edit3 = readOnlyBox(information, "Edit3");
    Edit5 = readOnlyBox(information, "Edit5");
    ProgressBar1 = new QProgressBar(information);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setAccessibleName(tr("Progress"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    auto *informationLayout = new QFormLayout(information);
    informationLayout->addRow(tr("Current Size (Hex)"), Edit1);
    informationLayout->addRow(tr("Current Size (Dec)"), Edit3);
    informationLayout->addRow(tr("Current CRC32"), Edit5);
    informationLayout->addRow(ProgressBar1);

    auto *options = new QGroupBox(tr("Options"), this);
    auto *hint = new QLabel(tr("Enter the Start and End offsets (in decimal)"), options);
    Edit7 = new QLineEdit(QStringLiteral("1"), options);
    Edit7->setObjectName(QStringLiteral("Edit7"));
    Edit8 = new QLineEdit(options);
    Edit8->setObjectName(QStringLiteral("Edit8"));
    BitBtn3 = button(tr("Keep 1st Half"), options, "BitBtn3");
    BitBtn1 = button(tr("Keep 2nd Half"), options, "BitBtn1");
    auto *halves = new QHBoxLayout;
    halves->addWidget(BitBtn3);
    halves->addWidget(BitBtn1);
    auto *optionsLayout = new QFormLayout(options);
    optionsLayout->addRow(hint);
    optionsLayout->addRow(tr("Enter start offset"), Edit7);
    optionsLayout->addRow(tr("Enter end offset"), Edit8);
    optionsLayout->addRow(halves);

    BitBtn5 = button(tr("Trim File"), this, "BitBtn5");
    BitBtn2 = button(tr("Done"), this, "BitBtn2");
    // Enter in an offset box trims; the confirmation comes first anyway.
    BitBtn5->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn5);
    buttons->addWidget(BitBtn2);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(information);
    layout->addWidget(options);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // textChanged, not textEdited: the flags follow the program's writes too.
    connect(Edit7, &QLineEdit::textChanged, this, &Ttrimmer::Edit7Change);
    connect(Edit8, &QLineEdit::textChanged, this, &Ttrimmer::Edit8Change);
    connect(BitBtn3, &QPushButton::clicked, this, &Ttrimmer::BitBtn3Click);
    connect(BitBtn1, &QPushButton::clicked, this, &Ttrimmer::BitBtn1Click);
    connect(BitBtn5, &QPushButton::clicked, this, &Ttrimmer::BitBtn5Click);
    connect(BitBtn2, &QPushButton::clicked, this, &Ttrimmer::BitBtn2Click);
}

void Ttrimmer::openTool() {
    const int count = files_.count();
    if (count == 0)
        return;
    int selected = 0;
    QString name;
    for (int i = 0; i < count; ++i) {
        if (files_.isSelected(i)) {
            ++selected;
            name = files_.name(i);
        }
    }
    // Asked before the count is looked at, as a warning about the file type.
    if (platform::asciiUpper(name.right(4)) == QLatin1String(".ZIP") &&
        platform::dialogs().message(platform::MessageKind::Warning,
                                    tr("Are you sure to want to trim a ZIP file, it "
                                       "may render the file corrupt when you try to "
                                       "unzip it?"),
                                    platform::Yes | platform::No) != platform::Yes)
        return;
    if (selected != 1) {
        platform::inform(tr("Please select 1 file for trimming."));
        return;
    }
    if (name.isEmpty()) {
        platform::inform(tr("You must select a file before you can trim one !"));
        return;
    }
    TrimFilePath = platform::withSeparator(files_.directory()) + name;
    quint32 crc = tools::kCrc32Start;
    qint64 size = -1;
    tools::FileCrc32(TrimFilePath, crc, size);
    Edit5->setText(tools::crc32Hex(~crc));
    Edit3->setText(QString::number(size));
    Edit1->setText(hexSize(size));
    Edit8->setText(QString::number(size));
    show();
    raise();
    activateWindow();
    Edit7->setFocus();
    main_.disableMain();
}

void Ttrimmer::Edit7Change() {
    StartOffsetFlag = flag(tools::startOffsetValid(Edit7->text(), Edit8->text()));
}

void Ttrimmer::Edit8Change() {
    EndOffsetFlag = flag(tools::endOffsetValid(Edit8->text(), Edit3->text(), Edit7->text()));
}

bool Ttrimmer::refuseOddSize(const QString &size) {
    if (!tools::oddSize(size))
        return false;
    platform::dialogs().message(platform::MessageKind::Information,
                                tr("Cant half an odd sized rom..."), platform::Cancel);
    Edit8->setText(size);
    return true;
}

void Ttrimmer::BitBtn3Click() {
    const QString size = Edit3->text();
    if (refuseOddSize(size))
        return;
    Edit7->setText(QStringLiteral("1"));
    Edit8->setText(tools::firstHalfEnd(size));
}

void Ttrimmer::BitBtn1Click() {
    const QString size = Edit3->text();
    if (refuseOddSize(size))
        return;
    Edit8->setText(size);
    Edit7->setText(tools::secondHalfStart(size));
}

void Ttrimmer::BitBtn5Click() {
    if (trimming_)
        return;
    trimming_ = true;
    setEnabled(false);
    trim();
    trimming_ = false;
    setEnabled(true);
}

void Ttrimmer::trim() {
    if (StartOffsetFlag == kBad || EndOffsetFlag == kBad) {
        platform::inform(
            tr("You must enter a valid decimal byte size in order to trim your file "
               "correctly.  Check your trim size is not greater than the original "
               "size..etc."));
        return;
    }
    // Both flags "OK" means both boxes hold numbers.
    const qint64 start = tools::parseByteCount(Edit7->text()).value_or(0);
    const qint64 end = tools::parseByteCount(Edit8->text()).value_or(0);
    if (platform::confirm(tr("Are you sure you want to trim %1 ?").arg(TrimFilePath))) {
        const tools::TrimOutcome outcome =
            tools::trimFile(TrimFilePath, start, end, [this](int percent) {
                ProgressBar1->setValue(percent);
                QCoreApplication::processEvents();
            });
        if (outcome.trimmed) {
            main_.rereadFileList();
            main_.showAndEnableMain();
            hide();
            platform::inform(tr("File Trimmed successfully.  New CRC32 Value = $%1")
                                 .arg(tools::crc32Hex(outcome.crc)));
        } else {
            platform::dialogs().message(
                platform::MessageKind::Error,
                tr("%1 could not be trimmed and has been left as it was.  %2")
                    .arg(TrimFilePath, outcome.failure),
                platform::Ok);
        }
    }
    ProgressBar1->setValue(0);
    platform::shell().beep();
}

void Ttrimmer::BitBtn2Click() {
    main_.showAndEnableMain();
    hide();
}

void Ttrimmer::showEvent(QShowEvent *event) {
    ProgressBar1->setValue(0);
    QDialog::showEvent(event);
}

void Ttrimmer::reject() {
    if (!trimming_)
        BitBtn2Click();
}
