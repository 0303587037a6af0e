#include "MainForm.h"

#include "BrowserCommands.h"
#include "BrowserPane.h"
#include "ButtonBar.h"
#include "MainMenu.h"
#include "MainWindowBatchHost.h"
#include "OptionsPanel.h"
#include "SettingsFile.h"
#include "UnzipCommand.h"
#include "batch/BatchDriver.h"
#include "batch/FileBatch.h"
#include "batch/FolderBatch.h"
#include "platform/AppPaths.h"
#include "platform/AsciiCase.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "widgets/BusyIndicator.h"
#include "widgets/FileListBox.h"
#include "widgets/FilterComboBox.h"
#include "widgets/FolderListBox.h"
#include "widgets/FolderTree.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {
const QUrl kHomepage(QStringLiteral("https://tovrane.org/"));
const QUrl kSuggestions(
    QStringLiteral("mailto:suggestions@tovrane.org?subject=Tovrane%20suggestion"));
}  // namespace

TMainform::TMainform(QWidget *parent) : QMainWindow(parent) {
    buildWindow();
    browse = new BrowserCommands(
        *browser, *menu, *buttons, folders, [this](const QString &text) { setStatus(text); }, this);
    wireBrowserCommands();
    wireBatchCommands();
    wireSettings();
    wireShellCommands();
    wireFolderOptions();
    FormCreate();
}

TMainform::~TMainform() = default;

void TMainform::buildWindow() {
    setWindowTitle(QStringLiteral("Tovrane 6.04"));
    setAttribute(Qt::WA_QuitOnClose, false);  // the close handler ends the program itself
    resize(661, 463);
    setMinimumSize(660, 461);
    setMaximumSize(32767, 32767);
    QFont compact = font();
    compact.setPointSizeF(8.0);
    setFont(compact);

    menu = new MainMenu(menuBar());

    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto *line = new QFrame(central);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedHeight(2);
    column->addWidget(line);
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    browser = new BrowserPane(central);
    row->addWidget(browser, 1);
    options = new OptionsPanel(central);
    row->addWidget(options);
    column->addLayout(row, 1);
    buttons = new ButtonBar(central);
    column->addWidget(buttons);
    setCentralWidget(central);

    StatusBar1 = new QLabel(QStringLiteral("Tovrane 6.04 - batch archiving made simple"));
    statusBar()->addWidget(StatusBar1, 1);
    statusBar()->setSizeGripEnabled(true);

    browser->FilterComboBox1->setFilter(QString::fromLatin1(kDefaultFilterList));
    connect(browser->FilterComboBox1, &FilterComboBox::maskChanged, browser->FileListBox1,
            &FileListBox::setMask);

    Timer1.setSingleShot(true);
    Timer1.setInterval(2000);
    connect(&Timer1, &QTimer::timeout, this, &TMainform::Timer1Timer);

    connect(buttons->pauseButton, &QToolButton::clicked, this, &TMainform::BitBtn8Click);
    connect(buttons->stopButton, &QToolButton::clicked, this, &TMainform::BitBtn7Click);
}

void TMainform::wireBrowserCommands() {
    // Selection commands and refresh, from buttons and menus alike.
    connect(buttons->allButton, &QToolButton::clicked, this, [this] { browse->selectAll(true); });
    connect(menu->selectAll, &QAction::triggered, this, [this] { browse->selectAll(false); });
    connect(buttons->noneButton, &QToolButton::clicked, browse, &BrowserCommands::selectNone);
    connect(menu->selectNone, &QAction::triggered, browse, &BrowserCommands::selectNone);
    connect(buttons->invertButton, &QToolButton::clicked, browse, &BrowserCommands::invert);
    connect(menu->invertSelection, &QAction::triggered, browse, &BrowserCommands::invert);
    connect(menu->refreshFromEdit, &QAction::triggered, browse, &BrowserCommands::refresh);
    connect(menu->refreshFromView, &QAction::triggered, browse, &BrowserCommands::refresh);
    connect(menu->viewFiles, &QAction::triggered, browse, &BrowserCommands::showFilesView);
    connect(menu->viewFolders, &QAction::triggered, browse, &BrowserCommands::showFoldersView);
}

// The batches that run on this window through its batch host. Commands that
// open another window (tools, dialogs, the error log) are wired by TovraneApp.
void TMainform::wireBatchCommands() {
    connect(buttons->zipButton, &QToolButton::clicked, this, &TMainform::BitBtn1Click);
    connect(buttons->unzipButton, &QToolButton::clicked, this,
            [this] { runCommand([this] { runUnzipCommand(parts()); }); });
}

void TMainform::wireSettings() {
    // A check box and its menu item always show the same state.
    const std::pair<QCheckBox *, QAction *> pairs[] = {
        {options->keepExtensionBox, menu->keepExtension},
        {options->deleteOriginalBox, menu->deleteOriginal},
        {options->beepZipBox, menu->beepZip},
        {options->recurseBox, menu->recurse},
        {options->beepUnzipBox, menu->beepUnzip},
        {options->deleteZipBox, menu->deleteZip}};
    for (const auto &[box, item] : pairs) {
        connect(box, &QCheckBox::clicked, item,
                [box, item] { item->setChecked(box->isChecked()); });
        connect(item, &QAction::triggered, box, [box, item] {
            box->setChecked(!box->isChecked());
            item->setChecked(box->isChecked());
        });
    }
    connect(menu->showIcons, &QAction::triggered, this, [this](bool on) {
        browser->FileListBox1->setIconsVisible(on);
        browser->ListBox2->setIconsVisible(on);
    });
    connect(menu->showPasswordText, &QAction::triggered, options,
            &OptionsPanel::setPasswordsVisible);
    connect(menu->showSettings, &QAction::triggered, options, &QWidget::setVisible);
    connect(menu->restoreDefaults, &QAction::triggered, this, &TMainform::RestoreDefaultSettings);
    connect(browser->filterButton, &QToolButton::clicked, menu->defineFilters, &QAction::trigger);
}

void TMainform::wireShellCommands() {
    connect(menu->exit, &QAction::triggered, this, &QWidget::close);
    connect(menu->homepage, &QAction::triggered, this, &TMainform::openHomepage);
    connect(menu->suggestion, &QAction::triggered, this,
            [] { platform::shell().openUrl(kSuggestions); });
    connect(menu->formatTool, &QAction::triggered, this, &TMainform::DiskFormatTool);
}

void TMainform::wireFolderOptions() {
    // A toggle is down exactly while its option is pinned. Released by the
    // user, a folder option follows the browser again at once and the
    // include file empties; pressed, it opens its dialog (TovraneApp wires
    // that). The dialogs release a toggle through setPinned(), which runs
    // no release action.
    for (FolderOption which :
         {FolderOption::Zip, FolderOption::Unzip, FolderOption::Work, FolderOption::Include}) {
        QToolButton *button = fieldOf(which).button;
        connect(button, &QToolButton::toggled, this,
                [this, which](bool down) { folders.setPinned(which, down); });
        connect(button, &QToolButton::clicked, this, [this, which](bool down) {
            if (!down)
                folders.release(which, browser->DirectoryListBox1->directory());
        });
    }
    connect(&folders, &FolderOptions::changed, this, [this](FolderOption which) {
        OptionField &f = fieldOf(which);
        f.field->setText(platform::asciiLower(folders.value(which)));
        f.button->setChecked(folders.isPinned(which));
    });
}

void TMainform::FormCreate() {
    const QString home = platform::homeFolder();
    browser->ListBox2->fill(home);
    browser->DirectoryListBox1->setDirectory(home);
    if (const QScreen *screen = QGuiApplication::primaryScreen();
        screen && screenTooSmall(screen->geometry().height())) {
        platform::inform(QStringLiteral(
            "Tovrane has been designed for screen resolutions of 800x600 and/or greater.  "
            "Tovrane may appear incorrect using your current screen settings."));
    }
    ZipEngine1.Overwrite = zowAlways;
    ZipEngine1.OnGlobalStatus = [this](TZipEngine *, const TZeGlobalStats &stats) {
        options->ProgressBar2->setValue(stats.Percent);
    };
    OperationFlag = QStringLiteral("GO");
    AppFolder = platform::appFolder();
    holdCommands(true);
    QApplication::processEvents();
    Timer1.start();
}

void TMainform::holdCommands(bool held) {
    // The browser, the options, the buttons and the menus: everything but
    // the close box. The splash covers the window meanwhile.
    centralWidget()->setEnabled(!held);
    menuBar()->setEnabled(!held);
}

WindowGate TMainform::gate() {
    return WindowGate(
        this, [this](const QString &text) { setStatus(text); },
        [this] { browser->FileListBox1->reread(); },
        [this](bool busy) {
            if (busy)
                options->Animate1->start();
            else
                options->Animate1->stop();
        });
}

MainWindowParts TMainform::parts() {
    return {*menu,
            *browser,
            *options,
            *buttons,
            *browse,
            folders,
            OperationFlag,
            ErrorLog,
            ZipEngine1,
            Deltree1,
            workFolderPath(),
            [this](const QString &text) { setStatus(text); },
            [this] { showErrorLog(); },
            [this] { return closePending_; }};
}

QString TMainform::ZipPassword() const {
    return options->zipPasswordEdit->text();
}
QString TMainform::UnzipPassword() const {
    return options->unzipPasswordEdit->text();
}
int TMainform::CompressionLevel() const {
    return options->compressionBar->value();
}

void TMainform::setStatus(const QString &text) {
    StatusBar1->setText(text);
    emit statusChanged(text);
}

QString TMainform::status() const {
    return StatusBar1->text();
}

OptionField &TMainform::fieldOf(FolderOption option) {
    switch (option) {
        case FolderOption::Zip:
            return options->zipFolder;
        case FolderOption::Unzip:
            return options->unzipFolder;
        case FolderOption::Work:
            return options->workFolder;
        case FolderOption::Include:
            break;
    }
    return options->includeFile;
}

QString TMainform::settingsPath() const {
    return settingsfile::locate(platform::dataFolder());
}

QString TMainform::workFolderPath() const {
    return platform::withSeparator(platform::workFolder()) + QStringLiteral("temp.$$$");
}

void TMainform::Timer1Timer() {
    Timer1.stop();
    QApplication::processEvents();
    readSettings();
    holdCommands(false);
}

void TMainform::runCommand(const std::function<void()> &command) {
    ++running_;
    command();
    --running_;
    if (running_ == 0 && closePending_) {
        closePending_ = false;
        close();
    }
}

void TMainform::BitBtn1Click() {
    runCommand([this] {
        MainWindowBatchHost host(parts());
        BatchDriver(host, zipBatchTexts()).run([&host](const BatchSettings &settings) {
            if (!host.foldersView())
                FileBatch(host, settings).run();
            else
                FolderBatch(host, settings).run();
            host.showFilesView();
        });
    });
}

void TMainform::showErrorLog() {
    emit errorLogWanted();
}

void TMainform::BitBtn8Click() {
    OperationFlag =
        OperationFlag == QLatin1String("GO") ? QStringLiteral("PAUSE") : QStringLiteral("GO");
}

void TMainform::BitBtn7Click() {
    OperationFlag = QStringLiteral("STOP");
    setStatus(QStringLiteral("Closing down operation - please wait."));
}

void TMainform::readSettings() {
    // A file that is missing or cannot be read leaves every default in place.
    if (const std::optional<SettingsChanges> changes = settingsfile::read(settingsPath()))
        applySettings(*changes);
}

void TMainform::applySettings(const SettingsChanges &c) {
    const std::tuple<const std::optional<bool> &, QCheckBox *, QAction *> pairs[] = {
        {c.keepExtension, options->keepExtensionBox, menu->keepExtension},
        {c.deleteOriginal, options->deleteOriginalBox, menu->deleteOriginal},
        {c.beepZip, options->beepZipBox, menu->beepZip},
        {c.recurse, options->recurseBox, menu->recurse},
        {c.beepUnzip, options->beepUnzipBox, menu->beepUnzip},
        {c.deleteZip, options->deleteZipBox, menu->deleteZip}};
    for (const auto &[value, box, item] : pairs) {
        if (!value)
            continue;
        box->setChecked(*value);
        item->setChecked(*value);
    }
    const std::pair<const std::optional<bool> &, QAction *> items[] = {
        {c.fullPaths, menu->fullPaths},
        {c.dateStamp, menu->dateStamp},
        {c.subFolder, menu->subFolder},
        {c.deleteFolder, menu->deleteFolder},
        {c.trayIcon, menu->showTrayIcon}};
    for (const auto &[value, item] : items)
        if (value)
            item->setChecked(*value);
    if (c.upperCaseZip)
        (*c.upperCaseZip ? menu->upperCase : menu->lowerCase)->setChecked(true);
    if (c.showIcons) {
        menu->showIcons->setChecked(*c.showIcons);
        if (!*c.showIcons) {
            browser->FileListBox1->setIconsVisible(false);
            browser->ListBox2->setIconsVisible(false);
        }
    }
    if (c.showSettings) {
        menu->showSettings->setChecked(*c.showSettings);
        options->setVisible(*c.showSettings);
    }
    if (c.showPasswords) {
        menu->showPasswordText->setChecked(*c.showPasswords);
        options->setPasswordsVisible(*c.showPasswords);
    }
    if (c.filters)
        browser->FilterComboBox1->setFilter(*c.filters);
    if (c.compression)
        options->compressionBar->setValue(*c.compression);
}

Settings TMainform::currentSettings() const {
    Settings s;
    s.keepExtension = options->keepExtensionBox->isChecked();
    s.showIcons = menu->showIcons->isChecked();
    s.upperCaseZip = menu->upperCase->isChecked();
    s.filters = browser->FilterComboBox1->filter();
    s.deleteOriginal = options->deleteOriginalBox->isChecked();
    s.beepZip = options->beepZipBox->isChecked();
    s.fullPaths = menu->fullPaths->isChecked();
    s.recurse = options->recurseBox->isChecked();
    s.beepUnzip = options->beepUnzipBox->isChecked();
    s.deleteZip = options->deleteZipBox->isChecked();
    s.dateStamp = menu->dateStamp->isChecked();
    s.subFolder = menu->subFolder->isChecked();
    s.deleteFolder = menu->deleteFolder->isChecked();
    s.showPasswords = menu->showPasswordText->isChecked();
    s.showSettings = menu->showSettings->isChecked();
    s.trayIcon = menu->showTrayIcon->isChecked();
    s.compression = options->compressionBar->value();
    s.folderPaneWidth = browser->folderPaneWidth();
    return s;
}

void TMainform::writeSettings() {
    // A folder that cannot be written loses only this run's changes; there
    // is nobody left to tell at close, so the failure goes to the log.
    if (!settingsfile::write(settingsPath(), currentSettings()))
        qWarning("Tovrane: could not write the settings file %s", qPrintable(settingsPath()));
}

void TMainform::RestoreDefaultSettings() {
    if (!platform::confirm(QStringLiteral("Are you sure you want to reset to factory defaults ?")))
        return;
    if (!QFile::remove(settingsPath())) {
        platform::dialogs().message(platform::MessageKind::Error,
                                    QStringLiteral("Could not complete operation."),
                                    platform::Cancel);
        return;
    }
    platform::inform(QStringLiteral("Tovrane will now restart for the changes to take effect."));
    restarting_ = true;
    platform::shell().restartSelf();
}

void TMainform::DiskFormatTool() {
    platform::inform(QStringLiteral("This option is not available on this system"));
}

void TMainform::openHomepage() {
    platform::shell().openUrl(kHomepage);
}

void TMainform::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    emit shown();
}

void TMainform::closeEvent(QCloseEvent *event) {
    if (running_ > 0 && !restarting_) {
        // The running command still works in "temp.$$$" (a re-zip extracts
        // there) and on the options: removing the folder now would rebuild
        // an archive without its files. The batch is stopped (a paused one
        // too) and the shutdown runs once it has returned.
        closePending_ = true;
        BitBtn7Click();
        event->ignore();
        return;
    }
    // A restart leaves without the shutdown work: nothing is written.
    if (!restarting_)
        shutdown();
    event->accept();
    QCoreApplication::quit();
}

void TMainform::shutdown() {
    // Closed before the start-up timer: the file still holds the user's
    // settings, which writing the defaults back would lose.
    if (Timer1.isActive()) {
        Timer1.stop();
        readSettings();
    }
    browse->showFilesView();
    QApplication::processEvents();
    const QString work = workFolderPath();
    if (QFileInfo(work).isDir()) {
        Deltree1.Path = work;
        Deltree1.RemoveTree();
    }
    writeSettings();
}
