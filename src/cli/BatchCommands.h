#pragma once

#include "CliOptions.h"

namespace cli {

class ConsoleOutput;

// The batch commands: each is one of the window's batch loops run by
// runBatch (ConsoleBatch.h). Each returns the exit status.
int runZip(const CliOptions &options, ConsoleOutput &output);
int runZipFolders(const CliOptions &options, ConsoleOutput &output);
int runRezip(const CliOptions &options, ConsoleOutput &output);
int runUnzip(const CliOptions &options, ConsoleOutput &output);

// A re-zip works in files of fixed names (the extraction folder and the
// temporary archive), which two runs side by side must not share: each run
// takes them in `folder`, a folder of its own, unless --work names one.
CliOptions withPrivateRezipFolders(CliOptions options, const QString &folder);

}  // namespace cli
