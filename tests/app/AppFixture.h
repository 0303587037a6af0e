#pragma once

#include "app/MainForm.h"
#include "app/TovraneApp.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <memory>

// The whole program on real temporary folders: the program's own folder
// (settings, work folder) and a home folder to browse.
class AppFixture : public ::testing::Test {
  protected:
    AppFixture();
    ~AppFixture() override;

    // Starts the program; the settings file (if any) is read at once instead
    // of two seconds later.
    void startProgram(bool applySettings = true);
    TMainform &form() { return app->main(); }
    QString settingsFile() const { return tmp.path("app/Tovrane5.Cfg"); }
    QString home(const QString &relative = {}) const {
        return relative.isEmpty() ? tmp.path("home") : tmp.path("home/" + relative);
    }
    // Moves the browser to a folder as the user's double-click would.
    void browseTo(const QString &folder);

    testsupport::TempFolder tmp;
    std::unique_ptr<TovraneApp> app;

  private:
    // The folder batch leaves the process in the browsed folder, which goes
    // with the test's temporary folder; the next test starts where this one did.
    QString savedCurrent_;
};
