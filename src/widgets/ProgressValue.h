#pragma once

class QProgressBar;

// Sets a progress bar's value the way a loop over many items needs it: the
// value (and its valueChanged signal) at once, the painting with the next
// turn of the message loop. QProgressBar repaints itself on the spot for
// every new percentage, percentage text and all, which costs more than
// handling a small file; the loops let messages run by the clock, so the
// bar is still painted many times a second.
void setProgressValue(QProgressBar &bar, int value);
