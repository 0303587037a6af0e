#include "batch/OutcomeLine.h"

#include <gtest/gtest.h>

namespace {

TEST(OutcomeLine, EveryRowOfTheTable) {
    const struct {
        int code;
        const char *line;
    } rows[] = {
        {40, "data.txt skipped. (Maybe password protected or out of disk space)"},
        {100, "data.txt skipped. (Cannot find zip file)"},
        {110, "data.txt skipped. (Not a valid zip file)"},
        {120, "** Not enough memory to complete the operation."},
        {140, "data.txt skipped. (File/Folder maybe use or empty?)"},
        {150, "data.txt skipped. (Unexpected End of file occured)"},
        {240, "** ZeZip32.dll or ZeUnZ32.dll not found - try re-installing Tovrane."},
        {250, "** Unknown internal error Occured."},
        {280, "** Error creating temp file. Check Path is valid and disk is not full."},
        {290, "data.txt skipped. (Cannot read file)"},
        {300, "data.txt skipped. (Cannot write zip file) - 300"},
        {310, "data.txt skipped. (Cannot write zip file) - 310"},
        {410, "data.txt skipped. (Archive appears to be incomplete) - 410"},
        {4000, "data.txt ignored. (Use rezip to recompress the zip file)"},
        {4001, "data.txt could not be deleted. (In use?)"},
        {4004, "data.txt cound not fully be deleted (In use?)"},
        {4005, "data.txt replaced by a later entry of the same name. (Zip file kept)"},
        {999, "Undefined Error Code : 999 File : data.txt"},
        {430, "Undefined Error Code : 430 File : data.txt"},
        {500, "Undefined Error Code : 500 File : data.txt"},
        {-1, "Undefined Error Code : -1 File : data.txt"},
        {-2147483647 - 1, "Undefined Error Code : -2147483648 File : data.txt"},
        {0, "Undefined Error Code : 0 File : data.txt"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(outcomeLine(row.code, "data.txt"), row.line) << row.code;
}

TEST(OutcomeLine, NameIsTakenAsGiven) {
    EXPECT_EQ(outcomeLine(290, "/home/u/include me.txt"),
              "/home/u/include me.txt skipped. (Cannot read file)");
    EXPECT_EQ(outcomeLine(120, "ignored.txt"), "** Not enough memory to complete the operation.");
    EXPECT_EQ(outcomeLine(77, ""), "Undefined Error Code : 77 File : ");
}

}  // namespace
