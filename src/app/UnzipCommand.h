#pragma once

struct MainWindowParts;

// "&Unzip": extracts the archives selected in the file list, as a batch of
// the main window (window lock, status texts, Pause and Stop, error log).
// The command is only enabled in the files view.
void runUnzipCommand(const MainWindowParts &window);
