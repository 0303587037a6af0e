#pragma once

class FileListSource;

namespace tools {

class DupesHost;
class DupesTable;

// Reads the selected files of the list into a freshly cleared table, in
// list order, at most the table's capacity of them (the limit message is
// shown once when more are selected). Moves the progress for every entry
// after the first, and during a long read as its bytes come in; lets
// messages run after each file. Only files that share their size with
// another selected file are read, each once, and they are sorted by
// contents as they are read; grouping is left to the table. Once the host
// says stop nothing more is read, and of the files after that point only
// those already compared whole (read together with an earlier file of
// their size) are entered, so the groups of what was read stay.
void walkDupes(const FileListSource &files, DupesHost &host, DupesTable &table);

}  // namespace tools
