#include "ProgressValue.h"

#include <QProgressBar>

void setProgressValue(QProgressBar &bar, int value) {
    if (bar.value() == value)
        return;
    // With updates off, the bar's own repaint does nothing; turning them on
    // again asks for one ordinary (posted, merged) update instead.
    bar.setUpdatesEnabled(false);
    bar.setValue(value);
    bar.setUpdatesEnabled(true);
}
