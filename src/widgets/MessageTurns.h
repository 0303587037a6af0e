#pragma once

#include <QtGlobal>

// When the window's thread last let its messages run: it last waited for
// messages, or went through them from a loop. A wait that follows another
// (the file list read, then the folder tree, then the folder list) lets
// them through once the window has gone this long without, not once each
// wait alone has lasted so long.
namespace messageturns {

// Milliseconds since the message loop of the calling thread last turned.
qint64 sinceLastTurn();

// Notes a turn made by hand (a call to processEvents).
void noteTurn();

}  // namespace messageturns
