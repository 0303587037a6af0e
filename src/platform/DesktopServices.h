#pragma once

namespace platform {

// Makes the desktop's message boxes, save dialog, beep and address opening
// the program's own (see dialogs() and shell()). Called by the windowed
// program before its first window; tests install their fakes over it.
void useDesktopServices();

}  // namespace platform
