#include "Volumes.h"

#include "AsciiCase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <sys/statvfs.h>

#include <algorithm>

namespace platform {

namespace {

bool isPseudo(const QStorageInfo &info) {
    static const QList<QByteArray> pseudoTypes = {
        "proc",       "sysfs",      "devpts",  "devtmpfs", "cgroup",      "cgroup2",
        "securityfs", "pstore",     "debugfs", "tracefs",  "configfs",    "fusectl",
        "mqueue",     "hugetlbfs",  "autofs",  "bpf",      "binfmt_misc", "efivarfs",
        "nsfs",       "rpc_pipefs", "overlay", "squashfs", "selinuxfs"};
    if (pseudoTypes.contains(info.fileSystemType()))
        return true;
    const QString root = info.rootPath();
    if (root == QLatin1String("/"))
        return false;
    for (const char *system : {"/proc", "/sys", "/dev", "/run", "/boot", "/snap"}) {
        const QString prefix = QLatin1String(system);
        if (root == prefix || root.startsWith(prefix + QLatin1Char('/'))) {
            // Desktops mount removable media under /run/media.
            return !root.startsWith(QLatin1String("/run/media/"));
        }
    }
    return false;
}

bool isRemovableDevice(const QByteArray &device) {
    if (!device.startsWith("/dev/"))
        return false;
    QString name = QString::fromLocal8Bit(device.mid(5));
    // A partition ("sdb1", "mmcblk0p1") belongs to its disk ("sdb", "mmcblk0").
    while (!name.isEmpty() && !QFileInfo::exists(QStringLiteral("/sys/block/") + name))
        name.chop(1);
    if (name.endsWith(QLatin1Char('p')) && !QFileInfo::exists(QStringLiteral("/sys/block/") + name))
        name.chop(1);
    QFile flag(QStringLiteral("/sys/block/%1/removable").arg(name));
    return !name.isEmpty() && flag.open(QIODevice::ReadOnly) && flag.read(1) == "1";
}

Volume::Kind kindOf(const QStorageInfo &info) {
    const QByteArray type = info.fileSystemType();
    static const QList<QByteArray> network = {"nfs",   "nfs4",       "cifs", "smb3",
                                              "smbfs", "fuse.sshfs", "9p",   "afs"};
    if (network.contains(type) || info.device().startsWith("//"))
        return Volume::Kind::Network;
    if (type == "iso9660" || type == "udf")
        return Volume::Kind::Optical;
    if (type == "tmpfs" || type == "ramfs")
        return Volume::Kind::Ram;
    if (isRemovableDevice(info.device()))
        return Volume::Kind::Removable;
    return Volume::Kind::Fixed;
}

}  // namespace

QString volumeDisplay(const QString &root, Volume::Kind kind, const QString &label,
                      const QString &remote) {
    switch (kind) {
        case Volume::Kind::Removable:
            return root;
        case Volume::Kind::Network:
            return root + QLatin1Char(' ') + asciiUpper(remote.isEmpty() ? label : remote);
        case Volume::Kind::Fixed:
        case Volume::Kind::Optical:
        case Volume::Kind::Ram:
            break;
    }
    return root + QStringLiteral(" [") + asciiUpper(label) + QLatin1Char(']');
}

QList<Volume> volumes() {
    QList<Volume> result;
    for (const QStorageInfo &info : QStorageInfo::mountedVolumes()) {
        if (!info.isValid() || isPseudo(info))
            continue;
        const QString root = info.rootPath();
        if (std::any_of(result.begin(), result.end(),
                        [&](const Volume &v) { return v.root == root; }))
            continue;
        Volume volume;
        volume.root = root;
        volume.kind = kindOf(info);
        const QString remote = volume.kind == Volume::Kind::Network
                                   ? QString::fromLocal8Bit(info.device())
                                   : QString();
        volume.display = volumeDisplay(root, volume.kind, info.name(), remote);
        result << volume;
    }
    if (std::none_of(result.begin(), result.end(),
                     [](const Volume &v) { return v.root == QLatin1String("/"); })) {
        result << Volume{QStringLiteral("/"), Volume::Kind::Fixed,
                         volumeDisplay(QStringLiteral("/"), Volume::Kind::Fixed, {}, {})};
    }
    std::sort(result.begin(), result.end(), [](const Volume &a, const Volume &b) {
        if ((a.root == QLatin1String("/")) != (b.root == QLatin1String("/")))
            return a.root == QLatin1String("/");
        return a.root < b.root;
    });
    return result;
}

QString volumeOf(const QString &path) {
    const QStorageInfo info(path);
    return info.isValid() ? info.rootPath() : QStringLiteral("/");
}

Readiness driveReadiness(const QString &root) {
    if (root.isEmpty() || !QDir::isAbsolutePath(root))
        return Readiness::InvalidDrive;
    struct statvfs fs {};
    if (::statvfs(QFile::encodeName(root).constData(), &fs) != 0)
        return Readiness::NotReady;
    return fs.f_blocks > 0 ? Readiness::Ready : Readiness::NotReady;
}

}  // namespace platform
