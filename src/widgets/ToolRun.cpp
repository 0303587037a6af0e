#include "ToolRun.h"

#include "ProgressValue.h"

#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>

ToolRun::ToolRun(QWidget &window, QPushButton &stop, QProgressBar &progress)
    : QObject(&window), window_(window), stop_(stop), progress_(progress) {
    progress_.setRange(0, 100);
    progress_.setValue(0);
    stop_.setEnabled(false);
}

void ToolRun::begin() {
    flag_ = runflag::Go;
    progress_.setValue(0);
    stop_.setEnabled(true);
}

void ToolRun::end() {
    progress_.setValue(0);
    stop_.setEnabled(false);
    flag_ = runflag::Go;
}

void ToolRun::setProgress(int percent) {
    setProgressValue(progress_, percent);
}

void ToolRun::escapePressesStop(std::function<void()> idle) {
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window_);
    connect(escape, &QShortcut::activated, this, [this, idle = std::move(idle)] {
        if (stop_.isEnabled())
            stop_.click();
        else if (idle)
            idle();
    });
}
