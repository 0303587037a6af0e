// Entries too large to be held whole are read in pieces, and large ones that
// fit are extracted through mappings of the archive and the output file:
// what a test says and what an extraction writes do not depend on whether
// the entry fitted in memory, just fitted, or came in pieces.
#include "EngineHarness.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace enginetest;
using testsupport::TempFolder;

namespace {

// Writes big.zip, one entry "big.bin" whose method, stored bytes, declared
// size and CRC come from a row's expression, and expected.bin, the data.
const char *const kBuilder = R"(
import random, struct, sys, zlib
data = (random.Random(7).randbytes(60000) + b'some words to repeat ' * 5000 + bytes(35000)) * %2
def deflate(d):
    c = zlib.compressobj(6, zlib.DEFLATED, -15)
    return c.compress(d) + c.flush()
def flip(b, at):
    return b[:at] + bytes([b[at] ^ 0x55]) + b[at + 1:]
method, stored, size, crc = %1
name = b'big.bin'
head = struct.pack('<HHHHHIIIHH', 20, 0, method, 0, 0x5821, crc, len(stored), size, len(name), 0) + name
central = b'PK\1\2\24\0' + head[:-len(name)] + bytes(14) + name
local = b'PK\3\4' + head + stored
end = b'PK\5\6' + struct.pack('<HHHHIIH', 0, 0, 1, 1, len(central), len(local), 0)
open('big.zip', 'wb').write(local + central + end)
open('expected.bin', 'wb').write(data)
)";
constexpr int kDataSize = 200000;
// Repeats of the data: held in memory, or large enough to be mapped.
constexpr int kRepeats[] = {1, 6};

TEST(StreamedEntry, VerdictsAndFilesDoNotDependOnTheMemoryBudget) {
    const struct {
        const char *what;
        const char *entry;  // Python: (method, stored bytes, declared size, CRC)
        int32_t code;
    } rows[] = {
        {"deflated", "8, deflate(data), len(data), zlib.crc32(data)", ZE_OK},
        {"stored", "0, data, len(data), zlib.crc32(data)", ZE_OK},
        {"bytes after the deflate stream",
         "8, deflate(data) + b'junk', len(data), zlib.crc32(data)", ZE_OK},
        {"deflated, a byte flipped", "8, flip(deflate(data), 30000), len(data), zlib.crc32(data)",
         ZE_ERR_INCOMPLETE},
        {"stored, a byte flipped", "0, flip(data, 150000), len(data), zlib.crc32(data)",
         ZE_ERR_INCOMPLETE},
        {"deflate stream cut short", "8, deflate(data)[:-500], len(data), zlib.crc32(data)",
         ZE_ERR_INCOMPLETE},
        {"one byte more declared", "8, deflate(data), len(data) + 1, zlib.crc32(data)",
         ZE_ERR_INCOMPLETE},
        {"one byte less declared", "8, deflate(data), len(data) - 1, zlib.crc32(data)",
         ZE_ERR_INCOMPLETE},
        {"stored, one byte less declared", "0, data, len(data) - 1, zlib.crc32(data)",
         ZE_ERR_INCOMPLETE},
        {"wrong CRC", "8, deflate(data), len(data), zlib.crc32(data) ^ 1", ZE_ERR_INCOMPLETE},
    };
    for (const auto &row : rows) {
        for (const int repeats : kRepeats) {
            TempFolder tmp;
            ASSERT_EQ(
                testsupport::run("python3", {"-c", QString(kBuilder).arg(row.entry).arg(repeats)},
                                 nullptr, tmp.path()),
                0)
                << row.what;
            const QByteArray expected = testsupport::readAll(tmp.path("expected.bin"));
            const int size = kDataSize * repeats;
            ASSERT_EQ(expected.size(), size);
            const std::string archive = str(tmp.path("big.zip"));
            // Entries up to a quarter of the budget are held whole.
            const struct {
                const char *what;
                std::string argument;
            } budgets[] = {
                {"whole", "--memory-budget=536870912"},
                {"at the bound", "--memory-budget=" + std::to_string(4 * size)},
                {"just past the bound", "--memory-budget=" + std::to_string(4 * size - 4)},
                {"small pieces", "--memory-budget=65536"},
            };
            for (const auto &budget : budgets) {
                SCOPED_TRACE(std::string(row.what) + ", " + budget.what + ", " +
                             std::to_string(size) + " bytes");
                EXPECT_EQ(unzip({"", budget.argument, "-t", archive}), row.code);
                const QString out = tmp.path(QString::fromStdString("out-" + budget.argument));
                EXPECT_EQ(unzip({"", budget.argument, "-o", archive, "-d", str(out)}), row.code);
                const auto written = snapshot(out);
                if (row.code == ZE_OK) {
                    ASSERT_EQ(written.size(), 1u);
                    EXPECT_TRUE(written.begin()->second == expected);
                } else {
                    EXPECT_TRUE(written.empty()) << "a damaged entry leaves no file";
                }
                EXPECT_TRUE(leftovers(out).isEmpty());
            }
        }
    }
}

}  // namespace
