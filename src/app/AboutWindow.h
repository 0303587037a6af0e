#pragma once

#include "widgets/WindowGate.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <functional>

// "About Tovrane": stays on top while the main window is disabled. Its link
// turns red under the mouse or the focus and opens the homepage when clicked,
// or on Enter or Space.
class TAbout : public QWidget {
    Q_OBJECT
  public:
    // `openHomepage` is what the link does.
    TAbout(WindowGate mainWindow, std::function<void()> openHomepage);

    QLabel *link;
    QPushButton *okButton;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;

  private:
    void setLinkColour(const char *colour);
    WindowGate main_;
    std::function<void()> openHomepage_;
};
