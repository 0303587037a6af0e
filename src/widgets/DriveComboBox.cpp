#include "DriveComboBox.h"

#include <QStyle>

namespace {

QIcon iconFor(const QStyle *style, platform::Volume::Kind kind) {
    using K = platform::Volume::Kind;
    switch (kind) {
        case K::Removable:
            return style->standardIcon(QStyle::SP_DriveFDIcon);
        case K::Optical:
            return style->standardIcon(QStyle::SP_DriveCDIcon);
        case K::Network:
            return style->standardIcon(QStyle::SP_DriveNetIcon);
        case K::Fixed:
        case K::Ram:
            break;
    }
    return style->standardIcon(QStyle::SP_DriveHDIcon);
}

}  // namespace

DriveComboBox::DriveComboBox(QWidget *parent) : QComboBox(parent) {
    rereadVolumes();
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < volumes_.size())
            emit driveChosen(volumes_[index].root);
    });
}

void DriveComboBox::rereadVolumes() {
    const QString current = drive();
    volumes_ = platform::volumes();
    const QSignalBlocker quiet(this);
    clear();
    for (const platform::Volume &v : volumes_)
        addItem(icons_ ? iconFor(style(), v.kind) : QIcon(), v.display);
    if (!current.isEmpty())
        setDrive(current);
}

QString DriveComboBox::drive() const {
    const int i = currentIndex();
    return i >= 0 && i < volumes_.size() ? volumes_[i].root : QString();
}

void DriveComboBox::setDrive(const QString &path) {
    // The longest volume root that contains the path is its volume.
    int best = -1;
    for (int i = 0; i < volumes_.size(); ++i) {
        const QString &root = volumes_[i].root;
        const bool contains =
            path == root || root == QLatin1String("/") || path.startsWith(root + QLatin1Char('/'));
        if (contains && (best < 0 || root.size() > volumes_[best].root.size()))
            best = i;
    }
    const QSignalBlocker quiet(this);
    setCurrentIndex(best);
}

void DriveComboBox::setIconsVisible(bool visible) {
    icons_ = visible;
    rereadVolumes();
}
