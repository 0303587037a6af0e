#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

class FilterComboBox;

// "Definable File Extensions": the user's list of masks for the filter box.
// Opened beside the main window (which stays usable); OK hands the rebuilt
// filter list to the filter box.
class TDefinable_Ext : public QDialog {
    Q_OBJECT
  public:
    TDefinable_Ext(FilterComboBox &filterBox, QWidget *mainWindow);

    // Fills the list from the filter box's filter list and shows the dialog.
    void Open();

    QListWidget *ListBox1;
    QPushButton *Button2;  // Remove
    QLineEdit *Edit1;
    QPushButton *Button1;  // Add
    QPushButton *BitBtn1;  // OK

    QStringList masks() const;

    void Button1Click();
    void Button2Click();
    void BitBtn1Click();

  protected:
    void showEvent(QShowEvent *event) override;

  private:
    FilterComboBox &filterBox_;
    QWidget *mainWindow_;
};
