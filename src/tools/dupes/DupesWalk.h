#pragma once

class FileListSource;

namespace tools {

class DupesHost;
class DupesTable;

// Reads the selected files of the list into a freshly cleared table, in
// list order, at most the table's capacity of them (the limit message is
// shown once when more are selected). Moves the progress for every entry
// after the first, reads nothing more once the host says stop, and lets
// messages run after each file. Only files that share their size with
// another selected file are read, each once, and they are sorted by
// contents as they are read; grouping is left to the table.
void walkDupes(const FileListSource &files, DupesHost &host, DupesTable &table);

}  // namespace tools
