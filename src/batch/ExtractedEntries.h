#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// What one extraction wrote, entry by entry, in the order the engine reports
// the entries it wrote. Two entries can land on one file: without stored
// folders "a/x.txt" and "b/x.txt" both become "x.txt", and an archive may
// hold one name twice. The later entry wins on disk, so the earlier one is
// not on disk after a successful run, and the archive is then the only copy
// of it.
class ExtractedEntries {
  public:
    // `folder` is the extraction folder; `usePaths` says whether stored
    // folders are recreated below it.
    ExtractedEntries(QString folder, bool usePaths);

    // An entry the engine reports as written, by its stored name. Folder
    // entries are ignored: they hold no data.
    void written(const QString &storedName);

    // Stored names of the entries whose file a later entry replaced, in the
    // order they were replaced.
    const QStringList &replaced() const { return replaced_; }
    // Whether an entry was written to `path`: extracting an archive into its
    // own folder can replace the archive itself with an entry of its name.
    bool wrote(const QString &path) const;
    // Every file written, relative to the extraction folder.
    QStringList targets() const { return byTarget_.keys(); }
    // How many files were written, and the stored name of the entry that
    // is now in `target` (empty when none is).
    qsizetype count() const { return byTarget_.size(); }
    QString entryAt(const QString &target) const { return byTarget_.value(target); }

    // The path relative to the extraction folder where an entry goes:
    // backslashes separate too, a drive prefix, the root and "." and ".."
    // parts are dropped, and without stored folders only the name is left.
    QString relativeTarget(const QString &storedName) const;

  private:
    QString folder_;
    bool usePaths_;
    QHash<QString, QString> byTarget_;  // relative target -> stored name of the entry there
    QStringList replaced_;
};
