#include "OptionBinding.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QSlider>

namespace optionbinding {

namespace {

QString nameOf(Option option) {
    return QString::fromLatin1(descriptorOf(option).name);
}

}  // namespace

void onChange(OptionsModel &model, Option option, QObject *context,
              const std::function<void()> &show) {
    QObject::connect(&model, &OptionsModel::changed, context, [option, show](Option which) {
        if (which == option)
            show();
    });
    show();
}

QCheckBox *checkBox(OptionsModel &model, Option option, QWidget *parent) {
    auto *box = new QCheckBox(
        QCoreApplication::translate("TMainform", descriptorOf(option).caption), parent);
    box->setObjectName(nameOf(option));
    onChange(model, option, box, [&model, option, box] { box->setChecked(model.isOn(option)); });
    QObject::connect(box, &QCheckBox::toggled, &model, [&model, option](bool on) {
        if (model.isOn(option) != on)
            model.setOn(option, on);
    });
    return box;
}

QAction *menuItem(OptionsModel &model, Option option, QMenu *menu) {
    const OptionDescriptor &d = descriptorOf(option);
    QAction *item = menu->addAction(QCoreApplication::translate("TMainform", d.menuItem));
    item->setObjectName(nameOf(option));
    item->setCheckable(true);
    QObject::connect(item, &QAction::toggled, &model, [&model, option](bool on) {
        if (model.isOn(option) != on)
            model.setOn(option, on);
    });
    QAction *off = nullptr;
    if (d.menuItemOff) {
        off = menu->addAction(QCoreApplication::translate("TMainform", d.menuItemOff));
        off->setObjectName(nameOf(option) + QStringLiteral("Off"));
        off->setCheckable(true);
        auto *pair = new QActionGroup(menu);
        pair->addAction(item);
        pair->addAction(off);
        // Checking "off" unchecks the item, which the toggle above hears.
    }
    onChange(model, option, item, [&model, option, item, off] {
        const bool on = model.isOn(option);
        item->setChecked(on);
        if (off)
            off->setChecked(!on);
    });
    return item;
}

void bind(QLineEdit *edit, OptionsModel &model, Option option) {
    edit->setObjectName(nameOf(option));
    onChange(model, option, edit, [&model, option, edit] {
        if (edit->text() != model.text(option))
            edit->setText(model.text(option));
    });
    QObject::connect(edit, &QLineEdit::textChanged, &model, [&model, option](const QString &t) {
        if (model.text(option) != t)
            model.setText(option, t);
    });
}

void bind(QSlider *slider, OptionsModel &model, Option option) {
    onChange(model, option, slider,
             [&model, option, slider] { slider->setValue(model.number(option)); });
    QObject::connect(slider, &QSlider::valueChanged, &model, [&model, option](int value) {
        if (model.number(option) != value)
            model.setNumber(option, value);
    });
}

QAction *pinAction(OptionsModel &model, Option option, QObject *parent) {
    const OptionDescriptor &d = descriptorOf(option);
    auto *pin = new QAction(QCoreApplication::translate("TMainform", d.caption), parent);
    pin->setObjectName(nameOf(option));
    pin->setToolTip(QCoreApplication::translate("TMainform", d.hint));
    pin->setCheckable(true);
    onChange(model, option, pin,
             [&model, option, pin] { pin->setChecked(model.isPinned(option)); });
    QObject::connect(pin, &QAction::toggled, &model,
                     [&model, option](bool down) { model.setPinned(option, down); });
    return pin;
}

}  // namespace optionbinding
