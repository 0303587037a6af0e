#include "AboutWindow.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QVBoxLayout>

TAbout::TAbout(WindowGate mainWindow, std::function<void()> openHomepage)
    : QWidget(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint),
      main_(std::move(mainWindow)),
      openHomepage_(std::move(openHomepage)) {
    setWindowTitle(tr("About Tovrane"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setMouseTracking(true);
    auto *column = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("Tovrane 6.04"), this);
    title->setStyleSheet(QStringLiteral("font-size: 20pt; font-weight: bold; font-style: italic;"));
    title->setAlignment(Qt::AlignCenter);
    column->addWidget(title);
    column->addWidget(new QLabel(tr("Tovrane was developed by the Tovrane team"), this));
    column->addWidget(
        new QLabel(tr("Archive engine built on libzip and libdeflate, by their authors."), this));
    column->addWidget(new QLabel(tr("Visit the Tovrane homepage"), this));
    link = new QLabel(QStringLiteral("https://tovrane.org/"), this);
    link->setCursor(Qt::PointingHandCursor);
    link->setMouseTracking(true);
    link->installEventFilter(this);
    // Reachable by Tab, so that the keyboard and a screen reader can open it
    // too; it is red while it has the focus, as under the mouse.
    link->setFocusPolicy(Qt::StrongFocus);
    link->setAccessibleName(tr("Tovrane homepage"));
    link->setAccessibleDescription(tr("Opens the homepage in the web browser"));
    setLinkColour("blue");
    column->addWidget(link);
    okButton = new QPushButton(tr("OK"), this);
    okButton->setDefault(true);
    column->addWidget(okButton, 0, Qt::AlignHCenter);
    connect(okButton, &QPushButton::clicked, this, [this] {
        main_.enableMain();
        hide();
    });
    adjustSize();
    setFixedSize(size());
}

void TAbout::setLinkColour(const char *colour) {
    link->setStyleSheet(
        QStringLiteral("color: %1; text-decoration: underline;").arg(QLatin1String(colour)));
}

bool TAbout::eventFilter(QObject *watched, QEvent *event) {
    if (watched == link) {
        if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)
            setLinkColour("red");
        if (event->type() == QEvent::MouseButtonRelease && openHomepage_)
            openHomepage_();
        if (event->type() == QEvent::FocusIn)
            setLinkColour("red");
        if (event->type() == QEvent::FocusOut)
            setLinkColour("blue");
        if (event->type() == QEvent::KeyPress && openHomepage_) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
                openHomepage_();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TAbout::showEvent(QShowEvent *event) {
    // The link comes first in the tab order, but the window opens on OK.
    okButton->setFocus();
    QWidget::showEvent(event);
}

void TAbout::mouseMoveEvent(QMouseEvent *event) {
    // A move over the link reaches the window too, as the label lets it
    // pass: only a move beside the link turns it back to blue.
    if (childAt(event->position().toPoint()) != link)
        setLinkColour("blue");
    QWidget::mouseMoveEvent(event);
}
