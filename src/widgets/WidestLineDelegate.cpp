#include "WidestLineDelegate.h"

#include <QFontMetricsF>
#include <QListView>

WidestLineDelegate::WidestLineDelegate(QListView &view) : QStyledItemDelegate(&view), view_(view) {
    latin1_.fill(-1);
    view.setItemDelegate(this);
    view.setUniformItemSizes(true);
    QAbstractItemModel *model = view.model();
    connect(model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &parent, int first, int last) {
                // Lines added at the end are measured as they come; any
                // other change measures the whole list again.
                if (parent.isValid() || first < estimated_)
                    forget();
                estimate(estimated_, std::max(last, view_.model()->rowCount() - 1));
            });
    const auto again = [this] {
        forget();
        estimate(0, view_.model()->rowCount() - 1);
    };
    connect(model, &QAbstractItemModel::rowsRemoved, this, again);
    connect(model, &QAbstractItemModel::rowsMoved, this, again);
    connect(model, &QAbstractItemModel::modelReset, this, again);
    connect(model, &QAbstractItemModel::layoutChanged, this, again);
    connect(model, &QAbstractItemModel::dataChanged, this, again);
}

QSize WidestLineDelegate::sizeHint(const QStyleOptionViewItem &option,
                                   const QModelIndex &index) const {
    if (view_.font() != font_)
        estimate(0, view_.model()->rowCount() - 1);
    if (!view_.uniformItemSizes() || widestRow_ < 0 || widestRow_ >= view_.model()->rowCount())
        return QStyledItemDelegate::sizeHint(option, index);
    return QStyledItemDelegate::sizeHint(option, view_.model()->index(widestRow_, 0));
}

void WidestLineDelegate::forget() const {
    estimated_ = 0;
    widestRow_ = -1;
    widest_ = -1;
    severalLines_ = false;
}

void WidestLineDelegate::estimate(int first, int last) const {
    if (view_.font() != font_) {
        font_ = view_.font();
        latin1_.fill(-1);
        others_.clear();
        forget();
        first = 0;
        last = view_.model()->rowCount() - 1;
    }
    const QAbstractItemModel *model = view_.model();
    if (first == 0)
        severalLines_ = false;
    for (int row = first; row <= last; ++row) {
        const QString text = model->index(row, 0).data(Qt::DisplayRole).toString();
        qreal width = 0;
        for (const QChar c : text) {
            if (c == QLatin1Char('\n') || c == QChar::LineSeparator)
                severalLines_ = true;
            width += advance(c);
        }
        if (width > widest_) {
            widest_ = width;
            widestRow_ = row;
        }
    }
    estimated_ = std::max(estimated_, last + 1);
    if (view_.uniformItemSizes() == severalLines_)
        view_.setUniformItemSizes(!severalLines_);
}

qreal WidestLineDelegate::advance(QChar c) const {
    const char16_t code = c.unicode();
    if (code < latin1_.size()) {
        qreal &known = latin1_[code];
        if (known < 0)
            known = QFontMetricsF(font_).horizontalAdvance(c);
        return known;
    }
    auto found = others_.constFind(code);
    if (found == others_.constEnd())
        found = others_.insert(code, QFontMetricsF(font_).horizontalAdvance(c));
    return *found;
}
