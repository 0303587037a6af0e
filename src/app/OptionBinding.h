#pragma once

#include "OptionsModel.h"

#include <QObject>
#include <functional>

class QAction;
class QCheckBox;
class QLineEdit;
class QMenu;
class QSlider;
class QWidget;

// The window's controls bound to the options model both ways: a change in
// either shows in the other. Each control takes its caption and object name
// from the option's row of kOptionTable.
namespace optionbinding {

// Runs `show` now and whenever `option` changes, while `context` lives.
void onChange(OptionsModel &model, Option option, QObject *context,
              const std::function<void()> &show);

// The options panel's check box of a switch.
QCheckBox *checkBox(OptionsModel &model, Option option, QWidget *parent);

// The check-marked menu item of a switch, added to `menu`; for a switch
// shown as two radio items ("Uppercase", "Lowercase") both are added and
// the first returned.
QAction *menuItem(OptionsModel &model, Option option, QMenu *menu);

// An editable text field.
void bind(QLineEdit *edit, OptionsModel &model, Option option);

// A track bar over a number.
void bind(QSlider *slider, OptionsModel &model, Option option);

// The toggle of a folder or file option: checked exactly while the option
// is pinned. Its button shows it; what a click does is wired where the
// dialogs are.
QAction *pinAction(OptionsModel &model, Option option, QObject *parent);

}  // namespace optionbinding
