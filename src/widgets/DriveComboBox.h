#pragma once

#include "platform/Volumes.h"

#include <QComboBox>

// The drive box: one entry per mounted volume, root volume first. Picking an
// entry reports the volume's root; the owner tests readiness and moves the
// folder tree.
class DriveComboBox : public QComboBox {
    Q_OBJECT
  public:
    explicit DriveComboBox(QWidget *parent = nullptr);

    // Re-reads the mounted volumes, keeping the current one when it remains.
    void rereadVolumes();
    // The current volume's root path.
    QString drive() const;
    // Shows the volume that holds `path` (without reporting a choice).
    void setDrive(const QString &path);
    void setIconsVisible(bool visible);

  signals:
    // The user picked the volume with this root.
    void driveChosen(const QString &root);

  private:
    QList<platform::Volume> volumes_;
    bool icons_ = true;
};
