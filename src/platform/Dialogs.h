#pragma once

#include <QString>
#include <optional>

namespace platform {

// The four kinds of message box the program shows. Each kind comes with the
// caption Windows users know ("Information", "Warning", "Error", "Confirm").
enum class MessageKind { Information, Warning, Error, Confirmation };

// Buttons of a message box, combinable as a set.
enum Button : unsigned { NoButton = 0, Ok = 1u, Cancel = 2u, Yes = 4u, No = 8u };
using Buttons = unsigned;

// What the save-file dialog starts with. `filter` uses the Windows form
// "Description|pattern|Description|pattern".
struct SaveRequest {
    QString title;
    QString defaultName;
    QString defaultSuffix;
    QString filter;
    QString initialFolder;
};

// The one seam through which every message box and save dialog passes, so
// that tests can script the answers and check every text shown.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Shows a box with exactly the given buttons; returns the button chosen.
    virtual Button message(MessageKind kind, const QString &text, Buttons buttons) = 0;
    // Runs the save dialog; nothing when the user cancels.
    virtual std::optional<QString> saveFileName(const SaveRequest &request) = 0;
};

// The dialogs in use: the ones a test installed, else the program's own
// (the window library's message boxes, see DesktopServices.h), else, in a
// program without windows, boxes written to the error stream that answer
// with their most cautious button.
Dialogs &dialogs();
// Installs `replacement` (not owned); nullptr restores the real dialogs.
void installDialogs(Dialogs *replacement);
// Sets the program's own dialogs (not owned).
void setProductDialogs(Dialogs *product);

// Shorthands for the common single-button boxes.
inline void inform(const QString &text) {
    dialogs().message(MessageKind::Information, text, Ok);
}
inline bool confirm(const QString &text) {
    return dialogs().message(MessageKind::Confirmation, text, Yes | No) == Yes;
}

}  // namespace platform
