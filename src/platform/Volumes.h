#pragma once

#include <QList>
#include <QString>

namespace platform {

// A mounted volume, standing in for a Windows drive letter.
struct Volume {
    enum class Kind { Fixed, Removable, Optical, Ram, Network };
    QString root;  // mount path: "/", "/media/usb"
    Kind kind = Kind::Fixed;
    QString display;  // the drive box's text for this volume
};

// The mounted volumes that hold user files, root volume first, then by path.
// Pseudo file systems (proc, sysfs, cgroups...) are left out.
QList<Volume> volumes();

// The text the drive box shows: the path alone for removable volumes, the
// path and " [LABEL]" for fixed, optical and RAM volumes ("[]" without a
// label), the path and the remote share for network volumes; upper-cased.
QString volumeDisplay(const QString &root, Volume::Kind kind, const QString &label,
                      const QString &remote);

// The volume that holds `path` (its mount root), "/" when none is known.
QString volumeOf(const QString &path);

enum class Readiness { Ready, NotReady, InvalidDrive };

// Whether a volume can be used: its size can be asked for. A drive id that
// is not an absolute path is not a drive at all.
Readiness driveReadiness(const QString &root);

}  // namespace platform
