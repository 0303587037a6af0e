#include "EngineHarness.h"

#include "support/TempFolder.h"

#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cstring>
#include <random>

namespace enginetest {

namespace {

int32_t record(int32_t code, void *block, void *component) {
    Recorder &r = *static_cast<Recorder *>(component);
    if (std::this_thread::get_id() != r.thread)
        r.otherThread = true;
    r.codes.push_back(code);
    if (code == ZE_CB_GLOBAL_STATUS)
        r.lastPercent = static_cast<ZeGlobalStatusBlock *>(block)->percent;
    if (r.hook)
        r.hook(code);
    const bool abort = (r.abortCode == code && ++r.seen == r.abortAfter) ||
                       (r.abortAtHundred && code == ZE_CB_GLOBAL_STATUS &&
                        static_cast<ZeGlobalStatusBlock *>(block)->percent == 100);
    if (r.untouched)
        return abort ? 1 : 0;
    switch (code) {
        case ZE_CB_TESTING:
        case ZE_CB_EXTRACTING:
        case ZE_CB_UPDATING:
        case ZE_CB_ADDING:
            r.entries.emplace_back(code, static_cast<ZeEntryRecord *>(block)->name);
            break;
        case ZE_CB_SKIPPING: {
            const auto *b = static_cast<ZeSkippingBlock *>(block);
            r.skipped.emplace_back(b->name, b->reason);
            break;
        }
        case ZE_CB_DELETING:
            r.deleted.emplace_back(static_cast<const char *>(block));
            break;
        case ZE_CB_GLOBAL_STATUS:
            r.percents.push_back(static_cast<ZeGlobalStatusBlock *>(block)->percent);
            break;
        case ZE_CB_REPLACE: {
            auto *b = static_cast<ZeReplaceBlock *>(block);
            r.replaceQuestions.emplace_back(b->name);
            if (r.replaceAnswer)
                b->answer = *r.replaceAnswer;
            std::strncpy(b->second_name, r.renameTo.c_str(), ZE_NAME_BUFFER - 1);
            break;
        }
        case ZE_CB_PASSWORD: {
            auto *b = static_cast<ZePasswordBlock *>(block);
            r.passwordQuestions.emplace_back(b->name);
            if (!r.passwords.empty()) {
                std::strncpy(b->password, r.passwords.front().c_str(), ZE_PASSWORD_BUFFER - 1);
                b->answer = 2;
                r.passwords.pop_front();
            }
            break;
        }
        default:
            break;
    }
    return abort ? 1 : 0;
}

int32_t call(ZeEntryPoint entry, const std::vector<std::string> &args, Recorder *recorder) {
    std::vector<const char *> argv;
    for (const std::string &a : args)
        argv.push_back(a.c_str());
    Recorder scratch;
    Recorder &r = recorder ? *recorder : scratch;
    r.thread = std::this_thread::get_id();
    return entry(ZE_VERSION, static_cast<int32_t>(argv.size()), argv.data(), record, &r);
}

QString python() {
    return QStringLiteral("python3");
}

}  // namespace

int Recorder::count(int32_t code) const {
    return static_cast<int>(std::count(codes.begin(), codes.end(), code));
}

std::vector<std::string> Recorder::names(int32_t code) const {
    std::vector<std::string> out;
    for (const auto &e : entries)
        if (e.first == code)
            out.push_back(e.second);
    return out;
}

int32_t zip(const std::vector<std::string> &args, Recorder *recorder) {
    return call(zezip, args, recorder);
}
int32_t unzip(const std::vector<std::string> &args, Recorder *recorder) {
    return call(zeunzip, args, recorder);
}

std::map<std::string, PyEntry> pythonEntries(const QString &archive) {
    QString out;
    testsupport::run(
        python(),
        {"-c",
         "import sys, json, zipfile\n"
         "z = zipfile.ZipFile(sys.argv[1])\n"
         "print(json.dumps([[i.filename, i.compress_type, i.flag_bits, i.create_system,"
         " i.external_attr, list(i.date_time)] for i in z.infolist()]))\n",
         archive},
        &out);
    std::map<std::string, PyEntry> entries;
    for (const QJsonValue &v : QJsonDocument::fromJson(out.toUtf8()).array()) {
        const QJsonArray a = v.toArray();
        PyEntry e;
        e.name = a[0].toString().toStdString();
        e.method = a[1].toInt();
        e.flags = a[2].toInt();
        e.system = a[3].toInt();
        e.externalAttributes = static_cast<uint32_t>(a[4].toDouble());
        for (const QJsonValue &d : a[5].toArray())
            e.dateTime.push_back(d.toInt());
        entries[e.name] = e;
    }
    return entries;
}

bool pythonBuild(const QString &archive, const QString &body) {
    const QString script =
        "import sys, zipfile\nz = zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED)\n" +
        body + "\nz.close()\n";
    return testsupport::run(python(), {"-c", script, archive}) == 0;
}

QByteArray textLike(int size, uint32_t seed) {
    static const char *words[] = {"archive", "batch", "folder",   "the",   "of",  "compress",
                                  "level",   "entry", "window",   "file",  "zip", "data",
                                  "and",     "a",     "progress", "engine"};
    std::mt19937 random(seed);
    QByteArray out;
    out.reserve(size);
    while (out.size() < size) {
        out += words[random() % 16];
        out += (random() % 12 == 0) ? '\n' : ' ';
    }
    out.truncate(size);
    return out;
}

QByteArray binaryLike(int size, uint32_t seed) {
    std::mt19937 random(seed);
    QByteArray out(size, '\0');
    for (int i = 0; i < size; ++i)
        out[i] = static_cast<char>((random() % 7 == 0) ? random() : (i / 64) & 0x1F);
    return out;
}

QByteArray incompressible(int size, uint32_t seed) {
    std::mt19937 random(seed);
    QByteArray out(size, '\0');
    for (int i = 0; i < size; ++i)
        out[i] = static_cast<char>(random());
    return out;
}

CurrentFolder::CurrentFolder(const QString &folder) {
    char buffer[4096];
    if (getcwd(buffer, sizeof buffer) != nullptr)
        previous_ = buffer;
    if (chdir(folder.toStdString().c_str()) != 0)
        previous_.clear();
}

CurrentFolder::~CurrentFolder() {
    if (!previous_.empty() && chdir(previous_.c_str()) != 0) {
    }
}

std::map<QString, QByteArray> snapshot(const QString &folder) {
    std::map<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[QDir(folder).relativeFilePath(path)] = testsupport::readAll(path);
    }
    return files;
}

QStringList leftovers(const QString &folder, const QString &archiveName) {
    QStringList found;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString name = QFileInfo(it.next()).fileName();
        if (name.startsWith(".ze-extract-") || name.startsWith(".~ze") ||
            (!archiveName.isEmpty() && name.startsWith(archiveName + ".")))
            found << name;
    }
    return found;
}

std::string str(const QString &text) {
    return text.toStdString();
}

void setMtime(const QString &path, int64_t seconds) {
    struct utimbuf times {};
    times.actime = static_cast<time_t>(seconds);
    times.modtime = static_cast<time_t>(seconds);
    utime(path.toStdString().c_str(), &times);
}

}  // namespace enginetest
