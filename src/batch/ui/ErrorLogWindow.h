#pragma once

#include <QWidget>

class ErrorLogModel;
class LineFeed;
class QListWidget;
class QPushButton;

// The error log window: shows the log's lines, saves them to a text file,
// stays on top while shown. It is never modal; "Ok" only hides it. Give it
// no parent widget when its owner may be disabled while it shows: a child
// window is disabled together with its parent.
class TErrorLog : public QWidget {
    Q_OBJECT
  public:
    explicit TErrorLog(ErrorLogModel &log, QWidget *parent = nullptr);

    // "View Error Log" and the end-of-batch question: shows the window.
    void showLog();

    // The list, showing every line of the log.
    QListWidget *ListBox1() const;

  public slots:
    void BitBtn1Click();  // Save to a File
    void BitBtn2Click();  // Ok

  private:
    void scrollToEnd();

    ErrorLogModel &log_;
    QListWidget *list_;
    LineFeed *feed_;
};
