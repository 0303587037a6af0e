#pragma once

#include <QTextBrowser>
#include <QWidget>

// The program's own help viewer: the user manual, docs/help.html beside the
// executable, opened at its contents.
class THelpWindow : public QWidget {
    Q_OBJECT
  public:
    THelpWindow();

    // The manual's file.
    static QString helpFile();
    void showContents();

    QTextBrowser *browser;
};
