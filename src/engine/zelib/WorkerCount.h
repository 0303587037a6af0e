#pragma once

namespace zelib {

// Threads that may compress or decompress at once: the processors this
// process may run on.
unsigned workerCount();

}  // namespace zelib
