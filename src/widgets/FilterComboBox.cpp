#include "FilterComboBox.h"

FilterComboBox::FilterComboBox(QWidget *parent) : QComboBox(parent) {
    connect(this, &QComboBox::activated, this, [this] { emit maskChanged(mask()); });
}

void FilterComboBox::setFilter(const QString &filter) {
    filter_ = filter;
    masks_.clear();
    {
        const QSignalBlocker quiet(this);
        clear();
        if (!filter.isEmpty()) {
            const QStringList parts = filter.split(QLatin1Char('|'));
            for (int i = 0; i < parts.size(); i += 2) {
                addItem(parts[i]);
                masks_ << (i + 1 < parts.size() ? parts[i + 1] : QString());
            }
        }
        setCurrentIndex(count() > 0 ? 0 : -1);
    }
    emit maskChanged(mask());
}

QString FilterComboBox::mask() const {
    if (masks_.isEmpty())
        return QStringLiteral("*.*");
    const int i = currentIndex() >= 0 ? currentIndex() : static_cast<int>(masks_.size()) - 1;
    const QString &m = masks_[i];
    return m.isEmpty() ? QStringLiteral("*.*") : m;
}
