#pragma once

namespace cli {

class ConsoleOutput;
struct CliOptions;

// The window-less runs of the tools over the paths of a command line, as
// one list under the deepest folder that holds them all. Each returns the
// exit status: 0 when every item came through and nobody stopped the run.

// The zip test: one verdict line per archive; 1 when any is not "(Ok)".
int runTest(const CliOptions &options, ConsoleOutput &output);
// The CRC-32 report on standard output (and in --output): 1 when a file
// could not be read or the report could not be saved.
int runCrc(const CliOptions &options, ConsoleOutput &output);
// The duplicate groups, one file a line: group number, size, name. Nothing
// is deleted. 1 when a file could not be read.
int runDupes(const CliOptions &options, ConsoleOutput &output);

}  // namespace cli
