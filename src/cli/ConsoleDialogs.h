#pragma once

#include "platform/Dialogs.h"

namespace cli {

class ConsoleOutput;

// Message boxes without a window: the text goes to standard error and
// nobody is there to answer, so a question gets the answer that changes
// nothing (No, or Cancel) and a save dialog is cancelled.
class ConsoleDialogs final : public platform::Dialogs {
  public:
    explicit ConsoleDialogs(ConsoleOutput &output) : output_(output) {}
    platform::Button message(platform::MessageKind kind, const QString &text,
                             platform::Buttons buttons) override;
    std::optional<QString> saveFileName(const platform::SaveRequest &request) override;

  private:
    ConsoleOutput &output_;
};

}  // namespace cli
