#pragma once

#include <QString>

class FileListSource;
class TZipEngine;

// What the zip test walk needs from its window: the run flag ("GO" while the
// walk may go on), its progress bar and its verdict list.
class ZipTestHost {
  public:
    virtual ~ZipTestHost() = default;
    virtual bool runFlagIsGo() const = 0;
    virtual void setProgress(int percent) = 0;
    // Appends a line and keeps it in view.
    virtual void addVerdict(const QString &line) = 0;
};

namespace ziptest {

// The verdict line for one tested entry. Only a name ending in ".ZIP" (in any
// case) is judged by its result; any other name is not a zip archive,
// whatever the test returned.
QString verdictLine(const QString &name, int result);

// Tests every selected entry of `files` with `engine`, in list order. The
// progress bar moves for every index above 0, also once the run flag has
// left "GO"; from then on no further entry is tested.
void walk(const FileListSource &files, TZipEngine &engine, ZipTestHost &host);

}  // namespace ziptest
