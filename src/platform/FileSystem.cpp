#include "FileSystem.h"

#include "WhilePumping.h"
#include "posix/FileDescriptor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace platform {

QString withSeparator(const QString &folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

bool isHiddenName(const QString &name) {
    return name.startsWith(QLatin1Char('.'));
}

bool isReadOnly(const QString &path) {
    return QFileInfo::exists(path) && !(QFile::permissions(path) & QFileDevice::WriteOwner);
}

bool clearAttributes(const QString &path) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return false;
    if (info.isSymLink())
        return true;  // a link's own bits mean nothing here
    QFileDevice::Permissions wanted = QFile::permissions(path) | QFileDevice::WriteOwner;
    if (info.isDir())
        wanted |= QFileDevice::ReadOwner | QFileDevice::ExeOwner;
    return QFile::setPermissions(path, wanted);
}

bool deleteFile(const QString &path) {
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink())
        return false;
    clearAttributes(path);
    return QFile::remove(path);
}

bool deleteFile(const QString &path, const std::function<void()> &pump) {
    if (!pump || QFileInfo(path).size() < kSlowUnlinkBytes)
        return deleteFile(path);
    return runWhilePumping([&path] { return deleteFile(path); }, pump);
}

FileIdentity fileIdentity(const QString &path) {
    FileIdentity identity;
    struct stat info {};
    if (stat(QFile::encodeName(path).constData(), &info) != 0)
        return identity;
    identity.exists = true;
    identity.device = static_cast<quint64>(info.st_dev);
    identity.inode = static_cast<quint64>(info.st_ino);
    identity.size = static_cast<qint64>(info.st_size);
    identity.mtimeNanoseconds =
        static_cast<qint64>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    identity.ctimeNanoseconds =
        static_cast<qint64>(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec;
    return identity;
}

namespace {

// Only "*" and "?" are wildcards on Windows; brackets are plain characters.
QRegularExpression maskExpression(const QString &mask) {
    QString pattern;
    for (const QChar c : mask) {
        if (c == QLatin1Char('*'))
            pattern += QStringLiteral(".*");
        else if (c == QLatin1Char('?'))
            pattern += QLatin1Char('.');
        else
            pattern += QRegularExpression::escape(QString(c));
    }
    return QRegularExpression(
        QRegularExpression::anchoredPattern(pattern),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
}

// `name` with every character folded as a comparison without case folds
// it (a character outside the first plane folded whole).
QString foldedCase(const QString &name) {
    QString key(name.size(), Qt::Uninitialized);
    const char16_t *in = reinterpret_cast<const char16_t *>(name.constData());
    char16_t *out = reinterpret_cast<char16_t *>(key.data());
    const qsizetype size = name.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = in[i];
        if (QChar::isHighSurrogate(unit) && i + 1 < size && QChar::isLowSurrogate(in[i + 1])) {
            const char32_t folded = QChar::toCaseFolded(QChar::surrogateToUcs4(unit, in[i + 1]));
            out[i] = QChar::highSurrogate(folded);
            out[++i] = QChar::lowSurrogate(folded);
        } else {
            out[i] = static_cast<char16_t>(QChar::toCaseFolded(char32_t{unit}));
        }
    }
    return key;
}

// Ordered as QString::compare without case orders them, equal names in
// code order. A sort of 100,000 names compares each about 17 times: each
// name is folded once, and its first eight folded characters are held as
// two numbers, so that most comparisons never leave them.
void sortWithoutCase(QStringList &names) {
    struct Keyed {
        quint64 head;
        quint64 next;
        QString folded;
        QString name;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(static_cast<size_t>(names.size()));
    for (QString &name : names) {
        QString folded = foldedCase(name);
        quint64 packed[2] = {0, 0};
        // Names hold no NUL: a shorter name's zeros order it first.
        for (qsizetype i = 0; i < std::min<qsizetype>(folded.size(), 8); ++i)
            packed[i / 4] |= quint64{folded.at(i).unicode()} << (16 * (3 - i % 4));
        keyed.push_back({packed[0], packed[1], std::move(folded), std::move(name)});
    }
    std::sort(keyed.begin(), keyed.end(), [](const Keyed &a, const Keyed &b) {
        if (a.head != b.head)
            return a.head < b.head;
        if (a.next != b.next)
            return a.next < b.next;
        const int c = QStringView(a.folded).compare(QStringView(b.folded));
        return c != 0 ? c < 0 : a.name < b.name;
    });
    qsizetype i = 0;
    for (Keyed &k : keyed)
        names[i++] = std::move(k.name);
}

enum class EntryKind { file, folder, other };

// What a folder entry is, links followed: the type the folder itself
// records where it has one, so that a folder of 100,000 files is listed
// without asking for the attributes of each; a link, or a file system
// that records no type, costs one look at the entry.
EntryKind kindOf(int folder, const dirent &entry) {
    switch (entry.d_type) {
        case DT_REG:
            return EntryKind::file;
        case DT_DIR:
            return EntryKind::folder;
        case DT_LNK:
        case DT_UNKNOWN: {
            struct stat info {};
            if (::fstatat(folder, entry.d_name, &info, 0) != 0)
                return EntryKind::other;  // a dangling link, or gone already
            if (S_ISREG(info.st_mode))
                return EntryKind::file;
            return S_ISDIR(info.st_mode) ? EntryKind::folder : EntryKind::other;
        }
        default:
            return EntryKind::other;  // devices, pipes, sockets
    }
}

// The entries of `folder` of one kind that `keep` accepts, in one pass
// over the folder, sorted once.
template <typename Keep>
QStringList listEntries(const QString &folder, EntryKind wanted, bool includeHidden,
                        const Keep &keep) {
    QStringList names;
    posix::DirectoryStream dir(QFile::encodeName(folder).toStdString());
    if (!dir)
        return names;
    while (const dirent *entry = dir.next()) {
        const char *raw = entry->d_name;
        if (raw[0] == '.' && (raw[1] == '\0' || (raw[1] == '.' && raw[2] == '\0')))
            continue;
        if (!includeHidden && raw[0] == '.')
            continue;
        if (kindOf(dir.fd(), *entry) != wanted)
            continue;
        QString name = QFile::decodeName(raw);
        if (keep(name))
            names << std::move(name);
    }
    sortWithoutCase(names);
    return names;
}

}  // namespace

bool matchesMask(const QString &name, const QString &mask) {
    return MaskMatcher(mask).matches(name);
}

MaskMatcher::MaskMatcher(const QString &mask) {
    const QStringList masks = mask.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (masks.isEmpty())
        everything_ = true;
    for (const QString &untrimmed : masks) {
        const QString m = untrimmed.trimmed();
        if (m == QLatin1String("*.*") || m == QLatin1String("*")) {
            everything_ = true;
            continue;
        }
        Part part{maskExpression(m), {}, false};
        QString rest = m;
        while (rest.endsWith(QLatin1String(".*"))) {
            rest.chop(2);
            if (rest == QLatin1String("*.*") || rest == QLatin1String("*")) {
                part.everythingWithoutDot = true;
                break;
            }
            part.withoutDot << maskExpression(rest);
        }
        // A mask that ends in a dot names what comes before an empty
        // extension: "*." is every name without one, "read*." matches "readme".
        if (m.size() > 1 && m.endsWith(QLatin1Char('.')))
            part.withoutDot << maskExpression(m.chopped(1));
        parts_ << part;
    }
}

bool MaskMatcher::matches(const QString &name) const {
    if (everything_)
        return true;
    const bool dotless = !name.contains(QLatin1Char('.'));
    for (const Part &part : parts_) {
        if (part.expression.match(name).hasMatch())
            return true;
        if (!dotless)
            continue;
        if (part.everythingWithoutDot)
            return true;
        for (const QRegularExpression &shorter : part.withoutDot)
            if (shorter.match(name).hasMatch())
                return true;
    }
    return false;
}

QStringList listFiles(const QString &folder, const QString &mask, bool includeHidden) {
    const MaskMatcher matcher(mask);
    return listEntries(folder, EntryKind::file, includeHidden,
                       [&matcher](const QString &name) { return matcher.matches(name); });
}

QStringList listFolders(const QString &folder, bool includeHidden) {
    return listEntries(folder, EntryKind::folder, includeHidden,
                       [](const QString &) { return true; });
}

bool flushFileSystemOf(const QString &folder) {
    const posix::FileDescriptor dir =
        posix::FileDescriptor::readOnly(QFile::encodeName(folder).toStdString(), O_DIRECTORY);
    return dir && ::syncfs(dir.get()) == 0;
}

bool flushFileAndFolder(const QString &path) {
    const posix::FileDescriptor file =
        posix::FileDescriptor::readOnly(QFile::encodeName(path).toStdString());
    if (!file || ::fsync(file.get()) != 0)
        return false;
    const posix::FileDescriptor folder = posix::FileDescriptor::readOnly(
        QFile::encodeName(QFileInfo(path).absolutePath()).toStdString(), O_DIRECTORY);
    return folder && (::fsync(folder.get()) == 0 || errno == EINVAL);
}

}  // namespace platform
