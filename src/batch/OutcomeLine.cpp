#include "OutcomeLine.h"

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
    {40, true, " skipped. (Maybe password protected or out of disk space)"},
    {100, true, " skipped. (Cannot find zip file)"},
    {110, true, " skipped. (Not a valid zip file)"},
    {120, false, "** Not enough memory to complete the operation."},
    {140, true, " skipped. (File/Folder maybe use or empty?)"},
    {150, true, " skipped. (Disk full)"},
    {150, true, " skipped. (Unexpected End of file occured)"},
    {240, false, "** ZeZip32.dll or ZeUnZ32.dll not found - try re-installing Tovrane."},
    {250, false, "** Unknown internal error Occured."},
    {280, false, "** Error creating temp file. Check Path is valid and disk is not full."},
    {290, true, " skipped. (Cannot read file)"},
    {300, true, " skipped. (Cannot write zip file) - 300"},
    {310, true, " skipped. (Cannot write zip file) - 310"},
    {410, true, " skipped. (Archive appears to be incomplete) - 410"},
    {kAlreadyZipped, true, " ignored. (Use rezip to recompress the zip file)"},
    {kNotDeleted, true, " could not be deleted. (In use?)"},
    {kTreeNotDeleted, true, " cound not fully be deleted (In use?)"},
    {kReplacedByLaterEntry, true, " replaced by a later entry of the same name. (Zip file kept)"},
    {kArchiveChanged, true, " was changed by another program while in use. (Zip file kept)"},
    {kArchiveLacksFiles, true, " not deleted: its zip file lacks some of its files. (Folder kept)"},
    {kArchiveFailedTest, true, " not deleted: its zip file failed the test. (File kept)"},
    {kFolderArchiveFailedTest, true, " not deleted: its zip file failed the test. (Folder kept)"},
    {kExtractionReadsBackWrong, true,
     " not deleted: a file extracted from it does not match it. (Zip file kept)"},
    {kReplacesBatchFile, true, " (Zip file kept)"},
    {kEntryTaken, true, " (File kept)"},
    {kArchiveNameTaken, true, " (Folder kept)"},
};

}  // namespace

QString outcomeLine(int code, const QString &name) {
    QString line;
    for (const Row &row : kRows) {
        if (row.code != code)
            continue;
        const QString text = QString::fromUtf8(row.text);
        line = row.withName ? name + text : text;
    }
    if (line.isEmpty())
        line = QStringLiteral("Undefined Error Code : ") + QString::number(code) +
               QStringLiteral(" File : ") + name;
    return line;
}
