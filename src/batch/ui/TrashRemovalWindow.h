#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <array>

// "File Filter Removal": chooses the file types a re-zip removes from the
// archives. Shown without a modal loop while the Rezip command waits on its
// choice value; leaving the window sets "REZIP" or "CANCEL" there. Closing
// it any other way (Esc, the title bar) is Cancel, so the wait always ends.
class TTrash_Removal : public QDialog {
    Q_OBJECT
  public:
    // `rezipChoice` is the waiting command's value; `mainWindow` is shown
    // again when this window leaves, and enabled again on Cancel.
    TTrash_Removal(QString &rezipChoice, QWidget &mainWindow);

    // Shows the window with the focus on the first choice.
    void Open();
    // The patterns of the checked boxes, in the order shown.
    QStringList patterns() const;

    void BitBtn1Click();  // Cancel
    void BitBtn2Click();  // "Rezip"
    void CheckBox8Click();

    // "*.diz" to "*.bak", then "*.".
    std::array<QCheckBox *, 8> boxes;
    QCheckBox *CheckBox8;
    QLineEdit *Edit1;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;

  protected:
    void reject() override;

  private:
    void leave(const QString &choice);

    QString &choice_;
    QWidget &main_;
};
