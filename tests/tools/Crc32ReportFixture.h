#pragma once

#include "support/TableFileList.h"
#include "support/TempFolder.h"
#include "tools/crc/Crc32ReportRow.h"

#include <ostream>

namespace tools {
// Readable rows in failure messages.
inline void PrintTo(const Crc32ReportRow &r, std::ostream *os) {
    *os << r.name.toStdString() << " | " << r.crc.toStdString() << " | " << r.size.toStdString();
}
}  // namespace tools

namespace crcreport {

// A folder with a mix of files, listed as the main window lists it.
struct MixedFolder {
    testsupport::TempFolder tmp;
    TableFileList list{tmp.path(),
                       {{"a.txt", true},
                        {"empty.bin", true},
                        {"gone.txt", true},
                        {"skipped.txt", false},
                        {"say \"hi\".txt", true}}};
    MixedFolder() {
        tmp.write("a.txt", "abc");
        tmp.write("empty.bin");
        tmp.write("skipped.txt", "x");
        tmp.write("say \"hi\".txt", "123456789");
    }
    const QList<tools::Crc32ReportRow> rows = {{"a.txt", "352441C2", "3"},
                                               {"empty.bin", "00000000", "0"},
                                               {"gone.txt", "XXXXXXXX", "- FILE IN USE -"},
                                               {"say \"hi\".txt", "CBF43926", "9"}};
};

}  // namespace crcreport
