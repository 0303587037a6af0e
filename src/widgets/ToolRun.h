#pragma once

#include "platform/RunFlag.h"

#include <QObject>
#include <QString>

#include <functional>

class QProgressBar;
class QPushButton;
class QWidget;

// What the tool windows that walk the main window's selection share: the
// hidden run flag their walk reads, the Stop button that lowers it, Escape
// that presses Stop while a run is under way, and the progress bar.
class ToolRun : public QObject {
  public:
    // `stop` and `progress` are widgets of `window`.
    ToolRun(QWidget &window, QPushButton &stop, QProgressBar &progress);

    const QString &flag() const { return flag_; }
    bool isGo() const { return flag_ == runflag::Go; }

    // A run begins: the flag "GO", the bar at 0, Stop enabled.
    void begin();
    // Stop pressed, or the window closed: the walk reads "STOP" from now on.
    void requestStop() { flag_ = runflag::Stop; }
    // A run has ended: the bar at 0, Stop disabled, the flag back to "GO".
    void end();
    void setProgress(int percent);

    // Escape presses Stop at once while Stop is enabled (a button's own
    // shortcut would only click after its press animation, when the walk
    // may have moved on); otherwise it runs `idle`, when one is given.
    void escapePressesStop(std::function<void()> idle = {});

  private:
    QWidget &window_;
    QPushButton &stop_;
    QProgressBar &progress_;
    QString flag_ = runflag::Go;
};
