#pragma once

class FileListSource;

namespace tools {

class Crc32ReportHost;

// Fills a freshly reset report: one line per selected entry of the file
// list, in list order, or the single "no files" line when nothing is
// selected. Moves the progress for every entry after the first, skips the
// rest of the walk once the host says stop, and lets messages run after
// each file.
void walkCrc32Report(const FileListSource &files, Crc32ReportHost &host);

}  // namespace tools
