#pragma once

#include "engine/ZeAbi.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace enginetest {

// A callback that records what the engine sends and answers from a script.
struct Recorder {
    // Recorded.
    std::vector<int32_t> codes;
    std::vector<std::pair<int32_t, std::string>> entries;  // codes 50, 60, 1000, 1010
    std::vector<std::pair<std::string, uint8_t>> skipped;  // code 1060
    std::vector<std::string> deleted;                      // code 1020
    std::vector<uint8_t> percents;                         // code 150
    int lastPercent = -1;  // of the code 150 now being answered, seen by the hook
    std::vector<std::string> replaceQuestions;   // code 10
    std::vector<std::string> passwordQuestions;  // code 100
    bool otherThread = false;

    // Script.
    std::deque<std::string> passwords;     // answers to 100, then none
    std::optional<uint8_t> replaceAnswer;  // answer to 10 (untouched: the engine's default)
    std::string renameTo;                  // second name with ZE_REPLACE_RENAME
    int32_t abortCode = 0;                 // return 1 on the abortAfter-th call with this code
    int abortAfter = 1;
    bool abortAtHundred = false;             // return 1 to the final progress call
    bool untouched = false;                  // leave every block alone and return 0
    std::function<void(int32_t code)> hook;  // runs at every call, before the answer

    int count(int32_t code) const;
    std::vector<std::string> names(int32_t code) const;

    std::thread::id thread = std::this_thread::get_id();
    int seen = 0;
};

int32_t zip(const std::vector<std::string> &args, Recorder *recorder = nullptr);
int32_t unzip(const std::vector<std::string> &args, Recorder *recorder = nullptr);

// What Python's zipfile sees in an archive.
struct PyEntry {
    std::string name;
    int method = -1;
    int flags = 0;
    int system = 0;
    uint32_t externalAttributes = 0;
    std::vector<int> dateTime;
};
std::map<std::string, PyEntry> pythonEntries(const QString &archive);
// Builds an archive with Python's zipfile from a script body that may use
// `z` (a ZipFile opened for writing) and zipfile; returns success.
bool pythonBuild(const QString &archive, const QString &body);

// Reproducible contents.
QByteArray textLike(int size, uint32_t seed);
QByteArray binaryLike(int size, uint32_t seed);
QByteArray incompressible(int size, uint32_t seed);

// Runs in `folder` until destroyed.
class CurrentFolder {
  public:
    explicit CurrentFolder(const QString &folder);
    ~CurrentFolder();
    CurrentFolder(const CurrentFolder &) = delete;
    CurrentFolder &operator=(const CurrentFolder &) = delete;

  private:
    std::string previous_;
};

// Every file below `folder` (relative path → contents), links skipped.
std::map<QString, QByteArray> snapshot(const QString &folder);
// Names in `folder` that start with a prefix of the engine's temporary files
// or libzip's (archive name followed by "."), i.e. leftovers.
QStringList leftovers(const QString &folder, const QString &archiveName = {});

std::string str(const QString &text);
void setMtime(const QString &path, int64_t seconds);

}  // namespace enginetest
