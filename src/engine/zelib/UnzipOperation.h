#pragma once

#include "UnzipArguments.h"

#include <cstdint>

namespace zelib {

class Reporter;

// Extract and Test. Test reads every selected entry and checks its data and
// CRC; it returns 0 exactly when all of them are intact. Extract writes the
// selected entries below the extraction folder, each file through a
// temporary name. Entries up to the memory budget's entry limit are
// decompressed with libdeflate on worker threads; larger plain ones are
// read in pieces (EntryStream); encrypted ones and other methods go through
// libzip's own reader.
int32_t runUnzip(const UnzipArguments &args, Reporter &reporter);

}  // namespace zelib
