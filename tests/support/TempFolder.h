#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace testsupport {

// A fresh folder for one test, removed with everything in it afterwards
// (read-only files and folders too, since tests make those on purpose).
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    // The folder, without a trailing separator.
    QString path() const { return dir_.path(); }
    // A path inside the folder.
    QString path(const QString &relative) const { return dir_.filePath(relative); }
    // Writes a file (making its parent folders); returns its full path.
    QString write(const QString &relative, const QByteArray &bytes = {}) const;
    // Makes a folder (and its parents); returns its full path.
    QString mkdir(const QString &relative) const;

  private:
    QTemporaryDir dir_;
};

// Whole-file helpers.
QByteArray readAll(const QString &path);
void setReadOnly(const QString &path, bool readOnly);
// Runs a command and returns its exit code (-1 if it could not start);
// standard output and error go to `output` when given.
int run(const QString &program, const QStringList &arguments, QString *output = nullptr,
        const QString &workingFolder = {});

}  // namespace testsupport
