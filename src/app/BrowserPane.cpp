#include "BrowserPane.h"

#include "CommandActions.h"
#include "OptionBinding.h"
#include "widgets/DriveComboBox.h"
#include "widgets/FileListBox.h"
#include "widgets/FilterComboBox.h"
#include "widgets/FolderListBox.h"
#include "widgets/FolderTree.h"

#include <QAction>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

BrowserPane::BrowserPane(OptionsModel &options, CommandActions &commands, QWidget *parent)
    : QWidget(parent) {
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    banner = new QLabel(QStringLiteral("Tovrane"), this);
    banner->setObjectName(QStringLiteral("banner"));
    banner->setFixedHeight(115);
    banner->setAlignment(Qt::AlignCenter);
    banner->setCursor(Qt::PointingHandCursor);
    banner->setToolTip(
        QCoreApplication::translate("TMainform", "Click here to refresh the file or folder view"));
    banner->setStyleSheet(QStringLiteral(
        "QLabel { color: white; font-size: 28pt; font-weight: bold; font-style: italic;"
        " background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #0b3d6e, stop:1 #3f8fd2); }"
        "QLabel:disabled { color: #c8d6e5; }"));
    banner->installEventFilter(this);
    column->addWidget(banner);

    splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setHandleWidth(3);
    splitter->setChildrenCollapsible(false);
    column->addWidget(splitter, 1);

    leftPane = new QWidget(splitter);
    leftPane->setMinimumWidth(20);
    auto *left = new QVBoxLayout(leftPane);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(0);
    DriveComboBox1 = new DriveComboBox(leftPane);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    DriveComboBox1->setAccessibleName(QCoreApplication::translate("TMainform", "Drive"));
    left->addWidget(DriveComboBox1);
    DirectoryListBox1 = new FolderTree(leftPane);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    DirectoryListBox1->setAccessibleName(QCoreApplication::translate("TMainform", "Folder tree"));
    left->addWidget(DirectoryListBox1, 1);

    auto *rightPane = new QWidget(splitter);
    rightPane->setMinimumWidth(20);
    auto *right = new QVBoxLayout(rightPane);
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(0);
    lists = new QStackedWidget(rightPane);
    FileListBox1 = new FileListBox(lists);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    ListBox2 = new FolderListBox(lists);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    // The two views share one place: the files of the folder, or its folders.
    FileListBox1->setAccessibleName(QCoreApplication::translate("TMainform", "Files"));
    ListBox2->setAccessibleName(QCoreApplication::translate("TMainform", "Folders"));
    lists->addWidget(FileListBox1);
    lists->addWidget(ListBox2);
    right->addWidget(lists, 1);
    filterBand = new QWidget(rightPane);
    filterBand->setObjectName(QStringLiteral("filterBand"));
    filterBand->setFixedHeight(22);
    auto *filter = new QHBoxLayout(filterBand);
    filter->setContentsMargins(0, 0, 0, 0);
    filter->setSpacing(0);
    FilterComboBox1 = new FilterComboBox(filterBand);
    FilterComboBox1->setObjectName(QStringLiteral("FilterComboBox1"));
    FilterComboBox1->setAccessibleName(QCoreApplication::translate("TMainform", "File filter"));
    filter->addWidget(FilterComboBox1, 1);
    auto *filterButton = new QToolButton(filterBand);
    filterButton->setDefaultAction(commands.action(QStringLiteral("DefineFilters")));
    filterButton->setFixedSize(22, 22);
    // It shows only "+"; the reader says what it does.
    filterButton->setAccessibleName(
        QCoreApplication::translate("TMainform", "Define File Filters"));
    filter->addWidget(filterButton);
    right->addWidget(filterBand);
    // The hint belongs to the handle between the panes; set on the splitter
    // it would pop up over the tree and the lists, which have none of their
    // own.
    splitter->handle(1)->setToolTip(
        QCoreApplication::translate("TMainform", "Click here to adjust the size of the view"));

    radioBand = new QWidget(this);
    radioBand->setFixedHeight(27);
    foldersRadio = new QRadioButton(QCoreApplication::translate("TMainform", "Set view to folders"),
                                    radioBand);
    foldersRadio->setObjectName(QStringLiteral("foldersRadio"));
    foldersRadio->setToolTip(
        QCoreApplication::translate("TMainform", "Changes the View to folders"));
    filesRadio =
        new QRadioButton(QCoreApplication::translate("TMainform", "Set view to files"), radioBand);
    filesRadio->setObjectName(QStringLiteral("filesRadio"));
    filesRadio->setToolTip(QCoreApplication::translate("TMainform", "Changes the View to files"));
    filesRadio->setChecked(true);
    radioBand->installEventFilter(this);
    column->addWidget(radioBand);

    // Moving the splitter re-applies the band rules; the layouts do that.
    connect(splitter, &QSplitter::splitterMoved, this, [this] { placeRadios(); });
    connect(FilterComboBox1, &FilterComboBox::maskChanged, FileListBox1, &FileListBox::setMask);
    connect(this, &BrowserPane::bannerClicked, commands.action(QStringLiteral("Refresh")),
            &QAction::trigger);

    optionbinding::onChange(options, Option::filters, FilterComboBox1, [this, &options] {
        FilterComboBox1->setFilter(options.text(Option::filters));
    });
    // Icons are on at start; the setting switches them in both lists.
    optionbinding::onChange(options, Option::showIcons, this, [this, &options] {
        const bool on = options.isOn(Option::showIcons);
        FileListBox1->setIconsVisible(on);
        ListBox2->setIconsVisible(on);
    });

    for (QWidget *w :
         std::initializer_list<QWidget *>{banner, foldersRadio, filesRadio, DirectoryListBox1,
                                          DriveComboBox1, FileListBox1, ListBox2, filterBand})
        commands.addInputWidget(w);
}

int BrowserPane::folderPaneWidth() const {
    return leftPane->width();
}

void BrowserPane::showFolderList(bool visible) {
    lists->setCurrentWidget(visible ? static_cast<QWidget *>(ListBox2) : FileListBox1);
}

void BrowserPane::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    // The left pane always takes half of the browser's width, rounded down.
    const int total = splitter->width() - splitter->handleWidth();
    const int half = width() / 2;
    splitter->setSizes({half, qMax(0, total - half)});
    placeRadios();
}

bool BrowserPane::eventFilter(QObject *watched, QEvent *event) {
    if (watched == banner && event->type() == QEvent::MouseButtonRelease && banner->isEnabled()) {
        emit bannerClicked();
        return true;
    }
    if (watched == radioBand && event->type() == QEvent::Resize)
        placeRadios();
    return QWidget::eventFilter(watched, event);
}

void BrowserPane::placeRadios() {
    const int h = radioBand->height();
    const QSize folders = foldersRadio->sizeHint();
    const QSize files = filesRadio->sizeHint();
    foldersRadio->setGeometry(4, (h - folders.height()) / 2, folders.width(), folders.height());
    filesRadio->setGeometry(radioBand->width() / 2, (h - files.height()) / 2, files.width(),
                            files.height());
}
