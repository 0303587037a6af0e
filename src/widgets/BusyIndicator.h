#pragma once

#include <QTimer>
#include <QWidget>

// The small busy animation of the main window: a turning arc that runs while
// a batch or tool is at work. Callers ask it whether it runs, which is how a
// tool window knows that its run is still in progress.
class BusyIndicator : public QWidget {
    Q_OBJECT
public:
    explicit BusyIndicator(QWidget *parent = nullptr);

    void start();
    void stop();
    bool isRunning() const { return running_; }

    QSize sizeHint() const override { return {32, 32}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTimer frameTimer_;
    int angle_ = 0;
    bool running_ = false;
};
