#pragma once

namespace zelib {

// Threads that may compress or decompress at once: the processors this
// process may run on, at most 16 (each compressing worker keeps two chunk
// buffers, and more threads than that gain little on one archive).
unsigned workerCount();

}  // namespace zelib
