#include "ExtractionReadBack.h"

#include "ExtractedEntries.h"
#include "tools/crc/Crc32.h"
#include "tools/crc/FileCrc32.h"

#include <QFile>

#include <zip.h>
#include <memory>

namespace {

struct Discard {
    // Opened for reading only: discarding writes nothing.
    void operator()(zip_t *archive) const { zip_discard(archive); }
};
using Archive = std::unique_ptr<zip_t, Discard>;

bool isFolderName(const QString &name) {
    return name.endsWith(QLatin1Char('/')) || name.endsWith(QLatin1Char('\\'));
}

// A short WinZip AES entry records no CRC (the field would tell something of
// its contents): its data is vouched for by the authentication code that
// extraction checked, and only its size is left to compare here.
bool recordsCrc(const zip_stat_t &stat) {
    return stat.valid & ZIP_STAT_CRC;
}

}  // namespace

bool extractionReadsBack(const QString &archive, const QString &folder,
                         const ExtractedEntries &extracted) {
    int error = 0;
    // Names are decoded as the engine decodes them when it reports what it
    // wrote (libzip's guess: UTF-8 when marked or valid, else code page
    // 437), so that each entry finds its file by the same name.
    const Archive zip(zip_open(QFile::encodeName(archive).constData(), ZIP_RDONLY, &error));
    if (!zip)
        return false;
    const zip_int64_t count = zip_get_num_entries(zip.get(), 0);
    if (count < 0)
        return false;
    qsizetype checked = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(zip.get(), static_cast<zip_uint64_t>(i), 0, &stat) != 0 ||
            stat.name == nullptr || !(stat.valid & ZIP_STAT_SIZE))
            return false;
        const QString name = QString::fromUtf8(stat.name);
        if (isFolderName(name))
            continue;
        const QString target = extracted.relativeTarget(name);
        if (target.isEmpty() || extracted.entryAt(target) != name)
            return false;
        quint32 crc = tools::kCrc32Start;
        qint64 bytes = -1;
        tools::FileCrc32(folder + target, crc, bytes);
        if (bytes < 0 || static_cast<quint64>(bytes) != stat.size ||
            (recordsCrc(stat) && ~crc != stat.crc))
            return false;
        ++checked;
    }
    return checked == extracted.count();
}
