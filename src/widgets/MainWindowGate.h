#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

// What a tool window or dialog may do to the main window, and no more:
// disable it while the tool is open, show and enable it again, write its
// status bar and have its file list read again from disk. Tools get this
// instead of the main window's class, so they cannot reach into it.
//
// A plain window converts to a gate without status bar or file list, which
// is all that a tool's own tests need.
class MainWindowGate {
  public:
    using StatusSetter = std::function<void(const QString &)>;
    using Reread = std::function<void()>;

    MainWindowGate(QWidget *window, StatusSetter setStatus = {}, Reread reread = {})
        : window_(window), setStatus_(std::move(setStatus)), reread_(std::move(reread)) {}

    void setMainEnabled(bool enabled) const {
        if (window_)
            window_->setEnabled(enabled);
    }
    // Shows the main window and enables it: how every tool hands back.
    void giveBack() const {
        if (window_) {
            window_->show();
            window_->setEnabled(true);
        }
    }
    void showMain() const {
        if (window_)
            window_->show();
    }
    void setMainStatus(const QString &text) const {
        if (setStatus_)
            setStatus_(text);
    }
    void rereadFileList() const {
        if (reread_)
            reread_();
    }

  private:
    QPointer<QWidget> window_;
    StatusSetter setStatus_;
    Reread reread_;
};
