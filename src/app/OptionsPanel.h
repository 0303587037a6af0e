#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QSlider>
#include <QToolButton>
#include <QWidget>

class BusyIndicator;

// A read-only option field with its toggle button: "Save Zips in :" and
// its kin. The field shows the option in lower case; the button stays down
// while the option is pinned to a folder (or file) chosen in a dialog.
struct OptionField {
    QLineEdit *field = nullptr;
    QToolButton *button = nullptr;
};

// The options panel on the right of the main window: the quick zipping and
// unzipping options, the two progress bars and the busy animation.
class OptionsPanel : public QWidget {
    Q_OBJECT
  public:
    explicit OptionsPanel(QWidget *parent = nullptr);

    QGroupBox *zipGroup;
    QCheckBox *deleteOriginalBox;
    QCheckBox *beepZipBox;
    QCheckBox *keepExtensionBox;
    OptionField zipFolder;
    OptionField includeFile;
    OptionField workFolder;
    QLineEdit *zipPasswordEdit;
    QSlider *compressionBar;

    QGroupBox *unzipGroup;
    QCheckBox *recurseBox;
    QCheckBox *beepUnzipBox;
    QCheckBox *deleteZipBox;
    OptionField unzipFolder;
    QLineEdit *unzipPasswordEdit;

    QProgressBar *ProgressBar1;  // the overall bar
    QProgressBar *ProgressBar2;  // the item bar
    BusyIndicator *Animate1;

    // Shows the password fields in clear or masked with "*".
    void setPasswordsVisible(bool visible);
};
