// Damaged and hostile archives: a clear code, nothing lost, nothing written
// where it does not belong.
#include "EngineHarness.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace enginetest;
using testsupport::TempFolder;

namespace {

// A good archive made by the engine, then spoilt by `spoil`.
struct Damage {
    const char *label;
    std::function<QByteArray(const QByteArray &good)> spoil;
    std::string password;        // used for Test and Extract
    int32_t test, extract, add;  // expected codes; add = 0: not tried
};

void PrintTo(const Damage &row, std::ostream *out) {
    *out << row.label;
}

class BadArchive : public ::testing::TestWithParam<Damage> {};

TEST_P(BadArchive, GivesItsCodeAndChangesNothing) {
    const Damage &row = GetParam();
    TempFolder tmp;
    tmp.write("src/one.txt", textLike(300000, 1));
    tmp.write("src/two.txt", textLike(1000, 2));
    {
        CurrentFolder here(tmp.path("src"));
        ASSERT_EQ(
            zip({"s3cret", "-e", "-6", str(tmp.path("good.zip")), "-W", "one.txt", "two.txt"}),
            ZE_OK);
        ASSERT_EQ(zip({"", "-6", str(tmp.path("plain.zip")), "-W", "one.txt", "two.txt"}), ZE_OK);
    }
    const bool encrypted = std::string(row.label) == "wrong password";
    const QByteArray good = testsupport::readAll(tmp.path(encrypted ? "good.zip" : "plain.zip"));
    const QByteArray bad = row.spoil(good);
    const QString archive = tmp.path("bad.zip");
    if (!bad.isNull())
        tmp.write("bad.zip", bad);

    Recorder testing;
    EXPECT_EQ(unzip({row.password, "-t", str(archive)}, &testing), row.test) << row.label;
    Recorder extracting;
    EXPECT_EQ(
        unzip({row.password, "-o", str(archive), "*", "-d", str(tmp.path("out"))}, &extracting),
        row.extract)
        << row.label;
    // Whatever was written is complete: a damaged entry leaves no file at all.
    for (const auto &[name, bytes] : snapshot(tmp.path("out")))
        EXPECT_EQ(bytes, testsupport::readAll(tmp.path("src/" + name)))
            << row.label << " " << str(name);
    if (row.add != 0) {
        CurrentFolder here(tmp.path("src"));
        EXPECT_EQ(zip({"", "-6", str(archive), "-W", "two.txt"}), row.add) << row.label;
    }
    EXPECT_EQ(testsupport::readAll(archive), bad) << row.label;
    EXPECT_TRUE(leftovers(tmp.path(), "bad.zip").isEmpty()) << row.label;
    if (encrypted) {
        EXPECT_EQ(testing.skipped.size(), 2u);
        for (const auto &skip : testing.skipped)
            EXPECT_EQ(skip.second, ZE_SKIP_BAD_PASSWORD);
    }
}

QByteArray flipped(QByteArray bytes, int at) {
    bytes[at] = static_cast<char>(bytes[at] ^ 0x55);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Engine, BadArchive,
    ::testing::Values(
        Damage{"truncated", [](const QByteArray &g) { return g.left(g.size() / 2); }, "",
               ZE_ERR_NOT_ZIP, ZE_ERR_NOT_ZIP, ZE_ERR_NOT_ZIP},
        Damage{"end record cut", [](const QByteArray &g) { return g.left(g.size() - 10); }, "",
               ZE_ERR_NOT_ZIP, ZE_ERR_NOT_ZIP, ZE_ERR_NOT_ZIP},
        Damage{"flipped data byte", [](const QByteArray &g) { return flipped(g, g.size() / 3); },
               "", ZE_ERR_INCOMPLETE, ZE_ERR_INCOMPLETE, 0},
        Damage{"flipped header byte", [](const QByteArray &g) { return flipped(g, 20); }, "",
               ZE_ERR_INCOMPLETE, ZE_ERR_INCOMPLETE, 0},
        Damage{"empty file", [](const QByteArray &) { return QByteArray(""); }, "", ZE_ERR_NOT_ZIP,
               ZE_ERR_NOT_ZIP, ZE_ERR_NOT_ZIP},
        Damage{"text file", [](const QByteArray &) { return QByteArray("just some text\n"); }, "",
               ZE_ERR_NOT_ZIP, ZE_ERR_NOT_ZIP, ZE_ERR_NOT_ZIP},
        Damage{"missing", [](const QByteArray &) { return QByteArray(); }, "", ZE_ERR_NO_ARCHIVE,
               ZE_ERR_NO_ARCHIVE, 0},
        Damage{"wrong password", [](const QByteArray &g) { return g; }, "wrong", ZE_ERR_SKIPPED,
               ZE_ERR_SKIPPED, 0}),
    [](const ::testing::TestParamInfo<Damage> &param) {
        std::string name = param.param.label;
        for (char &c : name)
            if (c == ' ')
                c = '_';
        return name;
    });

// Writes an archive of one entry under traditional encryption, password
// "right", and prints a wrong password that passes its check byte.
const char *const kCheckBytePasser = R"(
import sys, zlib, struct
T = [0] * 256
for n in range(256):
    c = n
    for _ in range(8): c = (c >> 1) ^ (0xEDB88320 if c & 1 else 0)
    T[n] = c
def keys(pw):
    k = [0x12345678, 0x23456789, 0x34567890]
    for c in pw: update(k, c)
    return k
def update(k, c):
    k[0] = T[(k[0] ^ c) & 0xff] ^ (k[0] >> 8)
    k[1] = ((k[1] + (k[0] & 0xff)) * 134775813 + 1) & 0xffffffff
    k[2] = T[(k[2] ^ (k[1] >> 24)) & 0xff] ^ (k[2] >> 8)
def crypt(pw, data, decrypt=False):
    k, out = keys(pw), bytearray()
    for b in data:
        t = (k[2] | 2) & 0xffff
        out.append(b ^ ((t * (t ^ 1)) >> 8) & 0xff)
        update(k, out[-1] if decrypt else b)
    return bytes(out)
path, method = sys.argv[1], int(sys.argv[2])
data = b'the only copy of these words\n' * 50
crc = zlib.crc32(data)
enc = crypt(b'right', bytes(range(1, 12)) + bytes([crc >> 24]) + (data if method == 0 else zlib.compress(data)[2:-4]))
head = struct.pack('<HHHHHIIIHH', 20, 1, method, 0, 0x5821, crc, len(enc), len(data), 10, 0) + b'secret.txt'
central = b'PK\1\2\24\0' + head[:-10] + bytes(14) + b'secret.txt'
local = b'PK\3\4' + head + enc
open(path, 'wb').write(local + central + b'PK\5\6' + struct.pack('<HHHHIIH', 0, 0, 1, 1, len(central), len(local), 0))
print(next(w for w in ('wrong%d' % i for i in range(99999)) if crypt(w.encode(), enc[:12], True)[11] == crc >> 24))
)";

TEST(WrongPassword, PassingTheCheckByteIsStillAWrongPassword) {
    for (const char *method : {"0", "8"}) {
        SCOPED_TRACE(std::string("method ") + method);
        TempFolder tmp;
        const QString archive = tmp.path("secret.zip");
        QString wrong;
        ASSERT_EQ(testsupport::run("python3", {"-c", kCheckBytePasser, archive, method}, &wrong), 0)
            << str(wrong);
        wrong = wrong.trimmed();
        ASSERT_EQ(unzip({"right", "-t", str(archive)}), ZE_OK);
        for (const bool extract : {false, true}) {
            Recorder recorder;
            const std::vector<std::string> args =
                extract ? std::vector<std::string>{str(wrong), "-o", str(archive),
                                                   "*",        "-d", str(tmp.path("out"))}
                        : std::vector<std::string>{str(wrong), "-t", str(archive)};
            EXPECT_EQ(unzip(args, &recorder), ZE_ERR_SKIPPED);
            EXPECT_EQ(recorder.skipped, (std::vector<std::pair<std::string, uint8_t>>{
                                            {"secret.txt", ZE_SKIP_BAD_PASSWORD}}));
        }
        EXPECT_FALSE(QFileInfo::exists(tmp.path("out/secret.txt")));
    }
}

TEST(HostileArchive, NamesStayInsideTheExtractionFolder) {
    TempFolder tmp;
    const QString archive = tmp.path("hostile.zip");
    ASSERT_TRUE(
        pythonBuild(archive,
                    "for n in ['../x.txt', '/abs.txt', 'C:\\\\drive.txt', 'a/../../up.txt',\n"
                    "          'sub\\\\win.txt', 'ok.txt', '../../', 'C:']:\n"
                    "    z.writestr(n, 'from ' + n)\n"));
    tmp.mkdir("out/inner");
    Recorder recorder;
    EXPECT_EQ(unzip({"", "-o", str(archive), "*", "-d", str(tmp.path("out/inner"))}, &recorder),
              ZE_ERR_SKIPPED);
    const std::map<QString, QByteArray> expected{
        {"inner/x.txt", "from ../x.txt"},           {"inner/abs.txt", "from /abs.txt"},
        {"inner/drive.txt", "from C:\\drive.txt"},  {"inner/a/up.txt", "from a/../../up.txt"},
        {"inner/sub/win.txt", "from sub\\win.txt"}, {"inner/ok.txt", "from ok.txt"},
    };
    EXPECT_EQ(snapshot(tmp.path("out")), expected);
    // "C:" names nothing once its drive is gone; "../../" is a harmless folder.
    EXPECT_EQ(recorder.skipped,
              (std::vector<std::pair<std::string, uint8_t>>{{"C:", ZE_SKIP_UNSAFE_NAME}}));
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              (QStringList{"hostile.zip", "out"}));
}

TEST(HostileArchive, LinksAreNeitherCreatedNorFollowed) {
    TempFolder tmp;
    const QString archive = tmp.path("links.zip");
    ASSERT_TRUE(pythonBuild(archive,
                            "i = zipfile.ZipInfo('link')\n"
                            "i.create_system = 3\n"
                            "i.external_attr = 0o120777 << 16\n"
                            "z.writestr(i, '/etc/passwd')\n"
                            "z.writestr('through/file.txt', 'must not leave')\n"
                            "z.writestr('plain.txt', 'fine')\n"));
    tmp.mkdir("elsewhere");
    tmp.mkdir("out");
    ASSERT_TRUE(QFile::link(tmp.path("elsewhere"), tmp.path("out/through")));
    Recorder recorder;
    EXPECT_EQ(unzip({"", "-o", str(archive), "-d", str(tmp.path("out"))}, &recorder),
              ZE_ERR_SKIPPED);
    EXPECT_FALSE(QFileInfo(tmp.path("out/link")).exists() ||
                 QFileInfo(tmp.path("out/link")).isSymLink());
    EXPECT_TRUE(QDir(tmp.path("elsewhere")).isEmpty());
    EXPECT_EQ(testsupport::readAll(tmp.path("out/plain.txt")), "fine");
    EXPECT_EQ(recorder.skipped,
              (std::vector<std::pair<std::string, uint8_t>>{
                  {"link", ZE_SKIP_SYMLINK}, {"through/file.txt", ZE_SKIP_UNSAFE_NAME}}));
}

// An archive may hold one name twice (appended updates): the later entry is
// what the folder ends with, as when entries are written one by one.
TEST(HostileArchive, TheLaterOfTwoEntriesWins) {
    TempFolder tmp;
    const QString archive = tmp.path("twice.zip");
    ASSERT_TRUE(pythonBuild(archive,
                            "import warnings\nwarnings.simplefilter('ignore')\n"
                            "for i in range(8):\n"
                            "    z.writestr('dup.txt', 'version %d ' % i * 1000)\n"));
    EXPECT_EQ(unzip({"", "-o", str(archive), "-d", str(tmp.path("out"))}), ZE_OK);
    EXPECT_EQ(testsupport::readAll(tmp.path("out/dup.txt")),
              QByteArray("version 7 ").repeated(1000));
}

// Sizes in the headers that do not match the data: far too large (memory must
// not follow them) or far too small (a "bomb" that would fill the disk).
TEST(HostileArchive, DeclaredSizesThatLieAreDamage) {
    struct Row {
        const char *label;
        const char *data;  // Python expression
        uint32_t declared;
        const char *budget;
        const char *password = "";  // written by the engine, AES, when set
    } rows[] = {
        {"huge", "bytes(1 << 20)", 0xFFFFFF00u, "--memory-budget=536870912"},
        {"bomb in memory", "bytes(1 << 20)", 10u, "--memory-budget=536870912"},
        {"bomb streamed", "random.Random(1).randbytes(100000)", 10u, "--memory-budget=65536"},
        {"bomb encrypted", "", 10u, "--memory-budget=536870912", "pw"},
    };
    for (const Row &row : rows) {
        TempFolder tmp;
        const QString archive = tmp.path("lie.zip");
        if (*row.password != '\0') {
            tmp.write("data.bin", QByteArray(1 << 20, '\0'));
            CurrentFolder here(tmp.path());
            ASSERT_EQ(zip({row.password, "-e", "lie.zip", "-W", "data.bin"}), ZE_OK);
            QFile::remove(tmp.path("data.bin"));
        } else {
            ASSERT_TRUE(pythonBuild(
                archive, QString("import random\nz.writestr('data.bin', %1)\n").arg(row.data)));
        }
        const QString patch = QString(
                                  "import struct, sys\n"
                                  "d = bytearray(open(sys.argv[1], 'rb').read())\n"
                                  "for sig, at in ((b'PK\\x03\\x04', 22), (b'PK\\x01\\x02', 24)):\n"
                                  "    i = d.find(sig)\n"
                                  "    struct.pack_into('<I', d, i + at, %1)\n"
                                  "open(sys.argv[1], 'wb').write(d)\n")
                                  .arg(row.declared);
        ASSERT_EQ(testsupport::run("python3", {"-c", patch, archive}), 0);
        EXPECT_EQ(unzip({row.password, row.budget, "-t", str(archive)}), ZE_ERR_INCOMPLETE)
            << row.label;
        EXPECT_EQ(unzip({row.password, row.budget, "-o", str(archive), "-d", str(tmp.path("out"))}),
                  ZE_ERR_INCOMPLETE)
            << row.label;
        EXPECT_TRUE(snapshot(tmp.path("out")).empty()) << row.label;
        EXPECT_TRUE(leftovers(tmp.path()).isEmpty()) << row.label;
    }
}

}  // namespace

// File-system failures that can be produced without permissions (tests run
// as root): files that vanish or turn into folders while the engine works,
// and paths through regular files.
TEST(FileSystemFailures, GiveTheirCodesAndKeepWhatWasThere) {
    struct Row {
        const char *label;
        std::function<int32_t(TempFolder &, Recorder &)> act;
        int32_t code;
    } rows[] = {
        {"source removed while zipping",
         [](TempFolder &tmp, Recorder &r) {
             r.hook = [&tmp](int32_t code) {
                 if (code == ZE_CB_ADDING)
                     QFile::remove(tmp.path("b.bin"));
             };
             return zip({"", "--memory-budget=65536", "old.zip", "-W", "a.bin", "b.bin"}, &r);
         },
         ZE_ERR_READ},
        {"source turned into a folder",
         [](TempFolder &tmp, Recorder &r) {
             r.hook = [&tmp](int32_t code) {
                 if (code == ZE_CB_ADDING && QFile::remove(tmp.path("b.bin")))
                     tmp.mkdir("b.bin");
             };
             return zip({"", "--memory-budget=65536", "old.zip", "-W", "a.bin", "b.bin"}, &r);
         },
         ZE_ERR_READ},
        {"archive below a file",
         [](TempFolder &, Recorder &r) {
             return zip({"", "a.bin/x.zip", "-W", "a.bin"}, &r);
         },
         ZE_ERR_TEMP},
        {"extraction folder below a file",
         [](TempFolder &, Recorder &r) {
             return unzip({"", "old.zip", "-d", "a.bin/sub"}, &r);
         },
         ZE_ERR_TEMP},
        {"file where a folder goes",
         [](TempFolder &tmp, Recorder &r) {
             tmp.write("out/sub", "a file");
             return unzip({"", "-o", "old.zip", "-d", "out"}, &r);
         },
         ZE_ERR_SKIPPED},
        {"folder where a file goes",
         [](TempFolder &tmp, Recorder &r) {
             tmp.mkdir("out/old.txt");
             return unzip({"", "-o", "old.zip", "-d", "out"}, &r);
         },
         ZE_ERR_SKIPPED},
    };
    for (const Row &row : rows) {
        TempFolder tmp;
        CurrentFolder here(tmp.path());
        tmp.write("old.txt", "kept");
        tmp.write("sub/inner.txt", "inner");
        ASSERT_EQ(zip({"", "-r", "old.zip", "-W", "old.txt", "sub"}), ZE_OK);
        const QByteArray before = testsupport::readAll(tmp.path("old.zip"));
        tmp.write("a.bin", binaryLike(2 << 20, 1));
        tmp.write("b.bin", binaryLike(2 << 20, 2));
        Recorder recorder;
        EXPECT_EQ(row.act(tmp, recorder), row.code) << row.label;
        EXPECT_EQ(testsupport::readAll(tmp.path("old.zip")), before) << row.label;
        EXPECT_TRUE(leftovers(tmp.path(), "old.zip").isEmpty()) << row.label;
        EXPECT_FALSE(recorder.otherThread);
        for (const auto &skip : recorder.skipped)
            EXPECT_EQ(skip.second, ZE_SKIP_EXISTS) << row.label;
    }
}

namespace {

// Archives written byte by byte, so that their entries can be made to share
// bytes: the shapes of "zip bombs" that make kilobytes inflate to gigabytes.
const char *const kArchiveWriter = R"(
import struct, sys, zlib
def deflate(b):
    c = zlib.compressobj(9, zlib.DEFLATED, -15)
    return c.compress(b) + c.flush()
def local(name, raw, method, plain, csize=None):
    n = name.encode()
    csize = len(raw) if csize is None else csize
    return struct.pack('<IHHHHHIIIHH', 0x04034b50, 20, 0, method, 0, 0x21, zlib.crc32(plain),
                       csize, len(plain), len(n), 0) + n + raw
def central(name, raw, method, plain, offset, csize=None):
    n = name.encode()
    csize = len(raw) if csize is None else csize
    return struct.pack('<IHHHHHHIIIHHHHHII', 0x02014b50, 20, 20, 0, method, 0, 0x21,
                       zlib.crc32(plain), csize, len(plain), len(n), 0, 0, 0, 0, 0, offset) + n
def central64(name, raw, method, plain, offset):
    n = name.encode()
    extra = struct.pack('<HHQQQ', 1, 24, len(plain), len(raw), offset)
    return struct.pack('<IHHHHHHIIIHHHHHII', 0x02014b50, 45, 45, 0, method, 0, 0x21,
                       zlib.crc32(plain), 0xFFFFFFFF, 0xFFFFFFFF, len(n), len(extra), 0, 0, 0,
                       0, 0xFFFFFFFF) + n + extra
def finish(body, records):
    cd = b''.join(records)
    end = struct.pack('<IHHHHIIH', 0x06054b50, 0, 0, len(records), len(records), len(cd),
                      len(body), 0)
    open(sys.argv[1], 'wb').write(body + cd + end)
zeros = bytes(1 << 20)
packed = deflate(zeros)
)";

TEST(HostileArchive, EntriesSharingBytesAreRefusedBeforeAnythingIsWritten) {
    struct Row {
        const char *label;
        const char *body;  // Python, after kArchiveWriter
        int32_t code;
    } rows[] = {
        {"entries apart",
         "x = local('x.bin', packed, 8, zeros)\n"
         "y = local('y.bin', packed, 8, zeros)\n"
         "finish(x + y, [central('x.bin', packed, 8, zeros, 0),"
         " central('y.bin', packed, 8, zeros, len(x))])\n",
         ZE_OK},
        {"entries apart, zip64 fields",
         "x = local('x.bin', packed, 8, zeros)\n"
         "y = local('y.bin', packed, 8, zeros)\n"
         "finish(x + y, [central64('x.bin', packed, 8, zeros, 0),"
         " central64('y.bin', packed, 8, zeros, len(x))])\n",
         ZE_OK},
        {"zip64 fields on one local header",
         "x = local('x.bin', packed, 8, zeros)\n"
         "finish(x, [central64('x.bin', packed, 8, zeros, 0) for i in range(2)])\n",
         ZE_ERR_INCOMPLETE},
        {"twenty entries on one local header",
         "x = local('x.bin', packed, 8, zeros)\n"
         "finish(x, [central('x.bin', packed, 8, zeros, 0) for i in range(20)])\n",
         ZE_ERR_INCOMPLETE},
        {"data quoting the next entry",
         "b = local('b.bin', packed, 8, zeros)\n"
         "a = local('a', b, 0, b)\n"
         "finish(a, [central('a', b, 0, b, 0), central('b.bin', packed, 8, zeros, 31)])\n",
         ZE_ERR_INCOMPLETE},
        // libzip itself refuses this one when it opens the archive.
        {"data running into the directory",
         "p = b'x' * 100\n"
         "x = local('x.bin', p, 0, p, 110)\n"
         "finish(x, [central('x.bin', p, 0, p, 0, 110)])\n",
         ZE_ERR_NOT_ZIP},
    };
    for (const Row &row : rows) {
        TempFolder tmp;
        const QString archive = tmp.path("bomb.zip");
        ASSERT_EQ(testsupport::run("python3", {"-c", QString(kArchiveWriter) + row.body, archive}),
                  0)
            << row.label;
        EXPECT_EQ(unzip({"", "-t", str(archive)}), row.code) << row.label;
        EXPECT_EQ(unzip({"", "-o", str(archive), "-d", str(tmp.path("out"))}), row.code)
            << row.label;
        if (row.code == ZE_OK) {
            EXPECT_EQ(snapshot(tmp.path("out")),
                      (std::map<QString, QByteArray>{{"x.bin", QByteArray(1 << 20, '\0')},
                                                     {"y.bin", QByteArray(1 << 20, '\0')}}));
        } else {
            EXPECT_FALSE(QFileInfo::exists(tmp.path("out"))) << row.label;
        }
    }
}

// The end of the directory is found where readers find it: through the
// zip64 end record when there are more entries than the short one counts,
// and past a comment that holds an end record of its own.
TEST(HostileArchive, EndRecordsAreFoundWhereReadersFindThem) {
    const char *rows[] = {
        "for i in range(70000):\n    z.writestr('%d' % i, '')\n",
        "import struct\nz.writestr('a.txt', 'a')\n"
        "z.comment = struct.pack('<IHHHHIIH', 0x06054b50, 0, 0, 0, 0, 0, 0, 0)\n",
    };
    for (const char *row : rows) {
        TempFolder tmp;
        const QString archive = tmp.path("ends.zip");
        ASSERT_TRUE(pythonBuild(archive, row));
        EXPECT_EQ(unzip({"", "-t", str(archive)}), ZE_OK) << row;
    }
}

// A path the file system cannot hold is refused before any of its folders
// is made; the other entries are still written.
TEST(HostileArchive, OverlongPathsLeaveNoFolders) {
    TempFolder tmp;
    const QString archive = tmp.path("deep.zip");
    ASSERT_TRUE(pythonBuild(archive,
                            "z.writestr('a/' * 3000 + 'deep.txt', 'deep')\n"
                            "z.writestr('b/' + 'n' * 300 + '/long.txt', 'long')\n"
                            "z.writestr('c/' + 'n' * 300 + '/', '')\n"
                            "z.writestr('ok.txt', 'ok')\n"));
    Recorder recorder;
    EXPECT_EQ(unzip({"", "-o", str(archive), "-d", str(tmp.path("out"))}, &recorder),
              ZE_ERR_SKIPPED);
    EXPECT_EQ(QDir(tmp.path("out")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"ok.txt"});
    EXPECT_EQ(recorder.skipped.size(), 3u);
}

}  // namespace
