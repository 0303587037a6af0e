#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>

class TMainform;

// "About Tovrane": stays on top while the main window is disabled. Its link
// turns red under the mouse and opens the homepage when clicked.
class TAbout : public QWidget {
    Q_OBJECT
  public:
    explicit TAbout(TMainform &mainForm);

    QLabel *link;
    QPushButton *okButton;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

  private:
    void setLinkColour(const char *colour);
    TMainform &main_;
};
