#include "MainForm.h"

#include "BrowserCommands.h"
#include "BrowserPane.h"
#include "ButtonBar.h"
#include "CommandActions.h"
#include "MainMenu.h"
#include "MainWindowBatchHost.h"
#include "OpenTarget.h"
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
#include "platform/RunFlag.h"
#include "platform/Shell.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>
#include <utility>

namespace {
const QUrl kHomepage(QStringLiteral("https://tovrane.org/"));
const QUrl kSuggestions(
    QStringLiteral("mailto:suggestions@tovrane.org?subject=Tovrane%20suggestion"));
}  // namespace

TMainform::TMainform(QWidget *parent) : QMainWindow(parent) {
    buildWindow();
    browse_ = new BrowserCommands(
        *browser_, *buttons_, options_, *commands_,
        [this](const QString &text) { setStatus(text); }, [this] { return status(); }, this);
    wireBrowserCommands();
    wireBatchCommands();
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

    commands_ = new CommandActions(this);
    buildMainMenu(menuBar(), *commands_, options_);

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
    browser_ = new BrowserPane(options_, *commands_, central);
    row->addWidget(browser_, 1);
    panel_ = new OptionsPanel(options_, *commands_, central);
    row->addWidget(panel_);
    column->addLayout(row, 1);
    buttons_ = new ButtonBar(*commands_, central);
    column->addWidget(buttons_);
    setCentralWidget(central);
    // Files dropped anywhere on the window open the browser on them; a text
    // field would take their names as text (a password made of a path).
    setAcceptDrops(true);
    for (QLineEdit *field : central->findChildren<QLineEdit *>())
        field->setAcceptDrops(false);

    StatusBar1 = new QLabel(
        QCoreApplication::translate("TMainform", "Tovrane 6.04 - batch archiving made simple"));
    statusBar()->addWidget(StatusBar1, 1);
    statusBar()->setSizeGripEnabled(true);

    Timer1.setSingleShot(true);
    Timer1.setInterval(2000);
    connect(&Timer1, &QTimer::timeout, this, &TMainform::Timer1Timer);
}

void TMainform::on(const char *command, const std::function<void()> &run) {
    connect(commands_->action(QString::fromLatin1(command)), &QAction::triggered, this, run);
}

void TMainform::wireBrowserCommands() {
    // "&All" from its button keeps the bar disabled while it selects.
    on("All", [this] {
        browse_->selectAll(buttons_->clickedCommand() == commands_->action(QStringLiteral("All")));
    });
    on("None", [this] { browse_->selectNone(); });
    on("Invert", [this] { browse_->invert(); });
    on("Refresh", [this] { browse_->refresh(); });
    on("ViewFiles", [this] { browse_->showFilesView(); });
    on("ViewFolders", [this] { browse_->showFoldersView(); });
}

// The batches that run on this window through its batch host. Commands that
// open another window (tools, dialogs, the error log) are wired by TovraneApp.
void TMainform::wireBatchCommands() {
    on("Zip", [this] { BitBtn1Click(); });
    on("Unzip", [this] { runCommand([this] { runUnzipCommand(parts()); }); });
    on("Pause", [this] { BitBtn8Click(); });
    on("Stop", [this] { BitBtn7Click(); });
    // The "Test" button, unlike the menu items, also resets the item bar
    // once its run has ended.
    connect(buttons_, &ButtonBar::commandClicked, this, [this](QAction *command) {
        if (command == commands_->action(QStringLiteral("Test")))
            panel_->setItemProgress(0);
    });
}

void TMainform::wireShellCommands() {
    on("Exit", [this] { close(); });
    on("Homepage", [this] { openHomepage(); });
    on("Suggestion", [] { platform::shell().openUrl(kSuggestions); });
    on("FormatTool", [this] { DiskFormatTool(); });
    on("RestoreDefaults", [this] { RestoreDefaultSettings(); });
}

void TMainform::wireFolderOptions() {
    // A toggle is down exactly while its option is pinned. Released by the
    // user, a folder option follows the browser again at once and the
    // include file empties; pressed, it opens its dialog (TovraneApp wires
    // that). The dialogs release a toggle through the options, which runs
    // no release action.
    for (Option which :
         {Option::zipFolder, Option::unzipFolder, Option::workFolder, Option::includeFile}) {
        QAction *pin = findAction(QString::fromLatin1(descriptorOf(which).name));
        connect(pin, &QAction::triggered, this, [this, which](bool down) {
            if (!down)
                options_.release(which, browse_->browsedFolder());
        });
    }
}

void TMainform::FormCreate() {
    browse_->startAt(platform::homeFolder());
    if (const QScreen *screen = QGuiApplication::primaryScreen();
        screen && screenTooSmall(screen->geometry().height())) {
        platform::inform(QCoreApplication::translate(
            "TMainform",
            "Tovrane has been designed for screen resolutions of 800x600 and/or greater.  "
            "Tovrane may appear incorrect using your current screen settings."));
    }
    ZipEngine1.Overwrite = zowAlways;
    ZipEngine1.OnGlobalStatus = [this](TZipEngine *, const TZeGlobalStats &stats) {
        panel_->setItemProgress(stats.Percent);
    };
    OperationFlag = runflag::Go;
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
        [this] { browse_->rereadFileList(); }, [this](bool busy) { panel_->setBusy(busy); });
}

MainWindowParts TMainform::parts() {
    return {options_,
            *browse_,
            *commands_,
            *panel_,
            OperationFlag,
            ErrorLog,
            ZipEngine1,
            Deltree1,
            workFolderPath(),
            [this](const QString &text) { setStatus(text); },
            [this] { showErrorLog(); },
            [this] { return closePending_; },
            [this] { return isActiveWindow(); },
            announceAfterMs_};
}

QAction *TMainform::findAction(const QString &name) const {
    if (QAction *command = commands_->action(name))
        return command;
    return findChild<QAction *>(name);
}

void TMainform::setCommandReady(const QString &name, bool ready) {
    commands_->setReady(name, ready);
}

const FileListSource &TMainform::fileList() const {
    return browse_->fileList();
}

BusyIndicator &TMainform::busyIndicator() {
    return panel_->busyIndicator();
}

QString TMainform::browsedFolder() const {
    return browse_->browsedFolder();
}

void TMainform::newFolderMade(bool attempted) {
    browse_->newFolderMade(attempted);
}

void TMainform::setStatus(const QString &text) {
    StatusBar1->setText(text);
    emit statusChanged(text);
}

QString TMainform::status() const {
    return StatusBar1->text();
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
    if (!startPaths_.isEmpty())
        openPaths(std::exchange(startPaths_, {}));
}

void TMainform::openPaths(const QStringList &paths) {
    const OpenTarget target = openTargetOf(paths);
    if (target.folder.isEmpty()) {
        setStatus(openedStatusText(target, 0, 0));
        return;
    }
    const int selected = browse_->openOn(target.folder, target.files);
    const QString text =
        openedStatusText(target, selected, static_cast<int>(target.files.size()) - selected);
    if (!text.isEmpty())
        setStatus(text);
}

bool TMainform::takesDrops() const {
    return running_ == 0 && !Timer1.isActive() && isEnabled();
}

namespace {

QStringList localPaths(const QMimeData *data) {
    QStringList paths;
    if (data && data->hasUrls())
        for (const QUrl &url : data->urls())
            if (url.isLocalFile())
                paths << url.toLocalFile();
    return paths;
}

}  // namespace

void TMainform::dragEnterEvent(QDragEnterEvent *event) {
    if (takesDrops() && !localPaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TMainform::dropEvent(QDropEvent *event) {
    const QStringList paths = localPaths(event->mimeData());
    if (!takesDrops() || paths.isEmpty())
        return;
    event->acceptProposedAction();
    openPaths(paths);
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
        BatchDriver(host, host.foldersView() ? zipFoldersBatchTexts() : zipBatchTexts())
            .run([&host](const BatchSettings &settings) {
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
    OperationFlag = OperationFlag == runflag::Go ? runflag::Pause : runflag::Go;
}

void TMainform::BitBtn7Click() {
    OperationFlag = runflag::Stop;
    setStatus(QCoreApplication::translate("TMainform", "Closing down operation - please wait."));
}

void TMainform::readSettings() {
    // A file that is missing or cannot be read leaves every default in place.
    if (const std::optional<SettingsChanges> changes = settingsfile::read(settingsPath()))
        applySettings(*changes);
}

void TMainform::applySettings(const SettingsChanges &changes) {
    for (Option option : changes.present)
        options_.copyFrom(changes.values, option);
}

void TMainform::writeSettings() {
    options_.setNumber(Option::folderPaneWidth, browser_->folderPaneWidth());
    // A folder that cannot be written loses only this run's changes; there
    // is nobody left to tell at close, so the failure goes to the log.
    if (!settingsfile::write(settingsPath(), options_.values()))
        qWarning("Tovrane: could not write the settings file %s", qPrintable(settingsPath()));
}

void TMainform::RestoreDefaultSettings() {
    if (!platform::confirm(QCoreApplication::translate(
            "TMainform", "Are you sure you want to reset to factory defaults ?")))
        return;
    if (!QFile::remove(settingsPath())) {
        platform::dialogs().message(
            platform::MessageKind::Error,
            QCoreApplication::translate("TMainform", "Could not complete operation."),
            platform::Cancel);
        return;
    }
    platform::inform(QCoreApplication::translate(
        "TMainform", "Tovrane will now restart for the changes to take effect."));
    restarting_ = true;
    platform::shell().restartSelf();
}

void TMainform::DiskFormatTool() {
    platform::inform(
        QCoreApplication::translate("TMainform", "This option is not available on this system"));
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
    browse_->showFilesView();
    QApplication::processEvents();
    const QString work = workFolderPath();
    if (QFileInfo(work).isDir()) {
        Deltree1.Path = work;
        Deltree1.RemoveTree();
    }
    writeSettings();
}
