#pragma once

#include "engine/ZeAbi.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstddef>
#include <cstdint>

// The records that the archive component hands to its event handlers, built
// from the engine's callback blocks. Handlers see Qt texts and dates; the
// engine's raw pointers never leave the callback.

// One archive entry (codes 50, 60, 80, 90, 1000, 1010, 1030).
struct TZeFileStats {
    QString FileName;
    uint32_t Size = 0;
    uint32_t CompressedSize = 0;
    uint32_t Ratio = 0;
    bool ReadOnly = false;
    bool Hidden = false;
    bool SysFile = false;
    bool VolumeId = false;
    bool Directory = false;
    bool Archive = false;
    QDateTime DateTime;
    uint32_t Crc = 0;
    uint8_t Method = 0;
    uint8_t VersionMadeBy = 0;
    uint8_t VersionNeeded = 0;
    bool Encrypted = false;
    QString Comment;  // at most 255 characters
};

// Progress of the running operation (code 150); Percent is 0..100.
struct TZeGlobalStats {
    uint32_t TotalFiles = 0;
    uint32_t DoneFiles = 0;
    uint8_t FilePercent = 0;
    uint32_t TotalKBytes = 0;
    uint32_t DoneKBytes = 0;
    uint8_t Percent = 0;
};

// Code 10: the handler may change Answer (ZE_REPLACE_...) and, for a
// rename, give SecondName.
struct TZeReplace {
    QString FileName;
    QString SecondName;
    uint8_t Answer = 0;
};

// Code 160: a NewName left empty keeps the entry's name.
struct TZeRename {
    QString FileName;
    QString NewName;
};

// Code 100: at most 80 characters of Password reach the engine.
struct TZePwdQuery {
    QString FileName;
    QString Password;
    uint8_t Answer = 0;
};

// Code 120: at most 255 characters of Comment reach the engine.
struct TZeFileComment {
    QString FileName;
    QString Comment;
};

// Code 1060: Reason is one of ZE_SKIP_....
struct TZeSkipping {
    QString FileName;
    uint8_t Reason = 0;
};

namespace zerecords {

inline constexpr int kMaxPasswordChars = 80;
inline constexpr int kMaxCommentChars = 255;

// An MS-DOS date and time as a local date and time. Month 1-12, day 1-31,
// hour at most 24, minute at most 59 and doubled seconds at most 59 are
// required; anything else, and any date or time that does not exist (hour 24,
// 30 February), gives 1 January 1980, 00:00.
QDateTime dosDateTime(uint16_t dosTime, uint16_t dosDate);

// 1 January 1980, 00:00: the oldest date an archive can hold.
QDateTime dosEpoch();

TZeFileStats fileStats(const ZeEntryRecord &record);
TZeGlobalStats globalStats(const ZeGlobalStatusBlock &block);

// A zero-terminated engine text; a null pointer reads as empty.
QString text(const char *utf8);

// Copies `value` into an engine buffer of `bufferSize` bytes as UTF-8 with a
// terminating zero: at most `maxChars` characters, and never more bytes than
// fit, cutting only between characters. Returns the bytes copied without the
// zero; nothing is written when `buffer` is null or `bufferSize` is 0.
std::size_t copyText(const QString &value, char *buffer, std::size_t bufferSize, int maxChars = -1);

}  // namespace zerecords
