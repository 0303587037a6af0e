#pragma once

#include "Dialogs.h"

namespace platform {

// The product's dialogs: QMessageBox and QFileDialog.
class QtDialogs final : public Dialogs {
  public:
    Button message(MessageKind kind, const QString &text, Buttons buttons) override;
    std::optional<QString> saveFileName(const SaveRequest &request) override;

    // Turns a Windows filter ("All Files (*.*)|*.*") into Qt's form
    // ("All Files (*.*) (*)"); "*.*" means every file, with or without a dot.
    static QString qtFilter(const QString &windowsFilter);
};

}  // namespace platform
