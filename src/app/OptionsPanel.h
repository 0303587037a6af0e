#pragma once

#include <QWidget>

class BusyIndicator;
class CommandActions;
class OptionsModel;
class QProgressBar;

// The options panel on the right of the main window: the quick zipping and
// unzipping options, bound to the options model, the two progress bars and
// the busy animation.
class OptionsPanel : public QWidget {
    Q_OBJECT
  public:
    // The panel registers its option groups with `commands`, which
    // disables them while a batch runs.
    OptionsPanel(OptionsModel &options, CommandActions &commands, QWidget *parent = nullptr);

    void setOverallProgress(int percent);
    void setItemProgress(int percent);
    void setBusy(bool busy);
    // The busy animation; the zip testing tool runs it itself.
    BusyIndicator &busyIndicator() { return *Animate1; }

  private:
    QProgressBar *ProgressBar1;  // the overall bar
    QProgressBar *ProgressBar2;  // the item bar
    BusyIndicator *Animate1;
};
