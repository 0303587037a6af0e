#include "ScopedCurrentDirectory.h"

#include <QDir>

ScopedCurrentDirectory::ScopedCurrentDirectory(const QString &folder)
    : previous_(QDir::currentPath()), entered_(QDir::setCurrent(folder)) {}

ScopedCurrentDirectory::~ScopedCurrentDirectory() {
    if (entered_)
        QDir::setCurrent(previous_);
}
