#include "OutcomeLine.h"

#include <QCoreApplication>

namespace {

struct Row {
    int code;
    bool withName;  // the item name comes first, the text follows it directly
    const char *text;
};

// Every row is compared, in order; a later row for the same code wins. That
// is why the "Disk full" text of code 150 is never produced: the "Unexpected
// End of file" row after it replaces it.
constexpr Row kRows[] = {
    {40, true,
     QT_TRANSLATE_NOOP("TErrorLog", " skipped. (Maybe password protected or out of disk space)")},
    {100, true, QT_TRANSLATE_NOOP("TErrorLog", " skipped. (Cannot find zip file)")},
    {110, true, QT_TRANSLATE_NOOP("TErrorLog", " skipped. (Not a valid zip file)")},
    {120, false, QT_TRANSLATE_NOOP("TErrorLog", "** Not enough memory to complete the operation.")},
    {140, true, QT_TRANSLATE_NOOP("TErrorLog", " skipped. (File/Folder maybe use or empty?)")},
    {150, true, QT_TRANSLATE_NOOP("TErrorLog", " skipped. (Disk full)")},
    {150, true, QT_TRANSLATE_NOOP("TErrorLog", " skipped. (Unexpected End of file occured)")},
    {240, false,
     QT_TRANSLATE_NOOP("TErrorLog",
                       "** ZeZip32.dll or ZeUnZ32.dll not found - try re-installing Tovrane.")},
    {250, false, QT_TRANSLATE_NOOP("TErrorLog", "** Unknown internal error Occured.")},
    {280, false,
     QT_TRANSLATE_NOOP("TErrorLog",
                       "** Error creating temp file. Check Path is valid and disk is not full.")},
    {290, true, QT_TRANSLATE_NOOP("TErrorLog", " skipped. (Cannot read file)")},
    {300, true, QT_TRANSLATE_NOOP("TErrorLog", " skipped. (Cannot write zip file) - 300")},
    {310, true, QT_TRANSLATE_NOOP("TErrorLog", " skipped. (Cannot write zip file) - 310")},
    {410, true,
     QT_TRANSLATE_NOOP("TErrorLog", " skipped. (Archive appears to be incomplete) - 410")},
    {kAlreadyZipped, true,
     QT_TRANSLATE_NOOP("TErrorLog", " ignored. (Use rezip to recompress the zip file)")},
    {kNotDeleted, true, QT_TRANSLATE_NOOP("TErrorLog", " could not be deleted. (In use?)")},
    {kTreeNotDeleted, true,
     QT_TRANSLATE_NOOP("TErrorLog", " cound not fully be deleted (In use?)")},
    {kReplacedByLaterEntry, true,
     QT_TRANSLATE_NOOP("TErrorLog",
                       " replaced by a later entry of the same name. (Zip file kept)")},
    {kArchiveChanged, true,
     QT_TRANSLATE_NOOP("TErrorLog",
                       " was changed by another program while in use. (Zip file kept)")},
    {kArchiveLacksFiles, true,
     QT_TRANSLATE_NOOP("TErrorLog",
                       " not deleted: its zip file lacks some of its files. (Folder kept)")},
    {kArchiveFailedTest, true,
     QT_TRANSLATE_NOOP("TErrorLog", " not deleted: its zip file failed the test. (File kept)")},
    {kFolderArchiveFailedTest, true,
     QT_TRANSLATE_NOOP("TErrorLog", " not deleted: its zip file failed the test. (Folder kept)")},
    {kExtractionReadsBackWrong, true,
     QT_TRANSLATE_NOOP(
         "TErrorLog", " not deleted: a file extracted from it does not match it. (Zip file kept)")},
    {kReplacesBatchFile, true, QT_TRANSLATE_NOOP("TErrorLog", " (Zip file kept)")},
    {kEntryTaken, true, QT_TRANSLATE_NOOP("TErrorLog", " (File kept)")},
    {kArchiveNameTaken, true, QT_TRANSLATE_NOOP("TErrorLog", " (Folder kept)")},
};

}  // namespace

QString outcomeLine(int code, const QString &name) {
    QString line;
    for (const Row &row : kRows) {
        if (row.code != code)
            continue;
        const QString text = QCoreApplication::translate("TErrorLog", row.text);
        line = row.withName ? name + text : text;
    }
    if (line.isEmpty())
        line = QCoreApplication::translate("TErrorLog", "Undefined Error Code : %1 File : %2")
                   .arg(QString::number(code), name);
    return line;
}
