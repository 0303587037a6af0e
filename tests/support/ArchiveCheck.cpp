#include "ArchiveCheck.h"

#include "TempFolder.h"

namespace testsupport {

bool unzipAccepts(const QString &archive, const QString &password) {
    QStringList args{"-tq"};
    if (!password.isEmpty())
        args << "-P" << password;
    return run("unzip", args << archive) == 0;
}

bool sevenZipAccepts(const QString &archive, const QString &password) {
    // A password is always given, so 7-Zip never stops to ask for one.
    return run("7z", {"t", "-bd", "-p" + (password.isEmpty() ? QStringLiteral("none") : password),
                      archive}) == 0;
}

bool pythonAccepts(const QString &archive) {
    QString out;
    const int code = run("python3",
                         {"-c",
                          "import sys, zipfile\nz = zipfile.ZipFile(sys.argv[1])\n"
                          "sys.exit(0 if z.testzip() is None else 1)",
                          archive},
                         &out);
    return code == 0;
}

QStringList entryNames(const QString &archive) {
    QString out;
    const int code = run("python3",
                         {"-c",
                          "import sys, zipfile\nfor n in zipfile.ZipFile(sys.argv[1]).namelist():\n"
                          "    sys.stdout.buffer.write(n.encode('utf-8') + b'\\n')",
                          archive},
                         &out);
    if (code != 0)
        return {};
    return out.split('\n', Qt::SkipEmptyParts);
}

bool readersAccept(const QString &archive, const QString &password) {
    if (!password.isEmpty())
        return sevenZipAccepts(archive, password);
    return unzipAccepts(archive) && sevenZipAccepts(archive) && pythonAccepts(archive);
}

}  // namespace testsupport
