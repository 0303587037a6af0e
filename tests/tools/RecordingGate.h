#pragma once

#include "platform/MainWindowGate.h"

#include <QStringList>

// The main window as a tool window sees it, reduced to what it was told.
struct RecordingGate final : MainWindowGate {
    void disableMain() override {
        enabled = false;
        calls << "disable";
    }
    void enableMain() override {
        enabled = true;
        calls << "enable";
    }
    void showMain() override { calls << "show"; }
    void showAndEnableMain() override {
        enabled = true;
        calls << "show and enable";
    }
    void setMainStatus(const QString &text) override { calls << "status " + text; }
    void rereadFileList() override { calls << "reread"; }
    void setBusy(bool on) override { calls << (on ? "busy" : "idle"); }

    bool enabled = true;
    QStringList calls;
};
