#pragma once

#include <QList>
#include <QToolButton>
#include <QWidget>

// The fourteen command buttons across the bottom of the main window, glyph
// above caption, in their fixed order.
class ButtonBar : public QWidget {
    Q_OBJECT
  public:
    explicit ButtonBar(QWidget *parent = nullptr);

    QToolButton *pauseButton;  // BitBtn8
    QToolButton *stopButton;   // BitBtn7
    QToolButton *invertButton;
    QToolButton *noneButton;
    QToolButton *allButton;
    QToolButton *unzipButton;
    QToolButton *zipButton;   // BitBtn1
    QToolButton *testButton;  // BitBtn12
    QToolButton *rezipButton;
    QToolButton *deleteButton;  // BitBtn13
    QToolButton *renameButton;
    QToolButton *crcButton;  // BitBtn10
    QToolButton *trimButton;
    QToolButton *dupesButton;

    // All fourteen, left to right.
    const QList<QToolButton *> &buttons() const { return buttons_; }

  private:
    QList<QToolButton *> buttons_;
};
