#pragma once

#include "platform/MainWindowGate.h"

#include <QPointer>
#include <QWidget>
#include <functional>

// The gate over a real window: enabling and showing act on it, the status
// bar, the file list and the busy animation through the functions given.
// A plain window converts to a gate without those, which is all that a
// tool's own tests need.
class WindowGate final : public MainWindowGate {
  public:
    using StatusSetter = std::function<void(const QString &)>;
    using Action = std::function<void()>;
    using BusySetter = std::function<void(bool)>;

    WindowGate(QWidget *window, StatusSetter setStatus = {}, Action reread = {},
               BusySetter setBusy = {})
        : window_(window),
          setStatus_(std::move(setStatus)),
          reread_(std::move(reread)),
          setBusy_(std::move(setBusy)) {}

    void disableMain() override {
        if (window_)
            window_->setEnabled(false);
    }
    void enableMain() override {
        if (window_)
            window_->setEnabled(true);
    }
    void showMain() override {
        if (window_)
            window_->show();
    }
    void showAndEnableMain() override {
        showMain();
        enableMain();
    }
    void setMainStatus(const QString &text) override {
        if (setStatus_)
            setStatus_(text);
    }
    void rereadFileList() override {
        if (reread_)
            reread_();
    }
    void setBusy(bool busy) override {
        if (setBusy_)
            setBusy_(busy);
    }

  private:
    QPointer<QWidget> window_;
    StatusSetter setStatus_;
    Action reread_;
    BusySetter setBusy_;
};
