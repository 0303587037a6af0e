#pragma once

#include "OptionValues.h"

#include <QObject>

// Every option and setting of the main window while it runs: the switches
// and numbers of the settings file, the filter list, the folders, the
// include file and the passwords. The window's check boxes, menu items and
// fields are bound to it both ways; the settings file is read into it and
// written from it; a batch takes its snapshot when it starts.
//
// The folder options (`zipFolder`, `unzipFolder`, `workFolder`, each ending
// with a separator) follow the browsed folder unless pinned to the folder
// their dialog chose; `includeFile` is pinned while a file is chosen.
class OptionsModel : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    const OptionValues &values() const { return values_; }
    bool isOn(Option option) const { return values_.isOn(option); }
    int number(Option option) const { return values_.number(option); }
    const QString &text(Option option) const { return values_.text(option); }
    bool isPinned(Option option) const { return values_.isPinned(option); }

    // Each setter tells the bound widgets, even of a value set again (a
    // folder field is then written anew). A pinned state is told only when
    // it really changes.
    void setOn(Option option, bool on);
    void setNumber(Option option, int number);
    void setText(Option option, const QString &text);
    void setPinned(Option option, bool pinned);
    // Takes one option's value from `other`, as a settings file gives it.
    void copyFrom(const OptionValues &other, Option option);

    // The browser moved to `folder`: every folder option not pinned follows.
    void followBrowser(const QString &folder);
    // The option's toggle came up: a folder option follows the browsed
    // folder again at once, the include file empties.
    void release(Option option, const QString &browsedFolder);

    BatchSettings snapshot() const { return values_.snapshot(); }

  signals:
    void changed(Option option);

  private:
    OptionValues values_;
};
