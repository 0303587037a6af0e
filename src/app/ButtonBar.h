#pragma once

#include <QWidget>

class CommandActions;
class QAction;

// The fourteen command buttons across the bottom of the main window, glyph
// above caption, in their fixed order. Each shows its command's action.
class ButtonBar : public QWidget {
    Q_OBJECT
  public:
    ButtonBar(CommandActions &commands, QWidget *parent = nullptr);

    // The command whose button is being clicked, while its action runs;
    // nullptr when the command came from elsewhere.
    QAction *clickedCommand() const { return clicked_; }

  signals:
    // A button's command has run.
    void commandClicked(QAction *command);

  private:
    QAction *clicked_ = nullptr;
};
