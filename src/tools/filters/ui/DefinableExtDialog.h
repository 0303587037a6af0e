#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <functional>

// "Definable File Extensions": the user's list of masks for the filter box.
// Opened beside the main window (which stays usable); OK hands the rebuilt
// filter list back.
class TDefinable_Ext : public QDialog {
    Q_OBJECT
  public:
    // The filter list ("*.*|*.*|*.BMP|*.BMP"), read when the dialog opens
    // and set by OK.
    using FilterList = std::function<QString()>;
    using SetFilterList = std::function<void(const QString &)>;
    TDefinable_Ext(FilterList filterList, SetFilterList setFilterList, QWidget *mainWindow);

    // Fills the list from the filter list's masks and shows the dialog.
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
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    FilterList filterList_;
    SetFilterList setFilterList_;
    QWidget *mainWindow_;
};
