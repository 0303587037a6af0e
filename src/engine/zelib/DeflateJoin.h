#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zelib {

// libdeflate compresses a whole buffer into a complete raw deflate stream;
// it has no streaming mode. To compress one file in pieces on several
// threads, every piece but the last is made "joinable": its final-block flag
// is cleared and an empty stored block brings its end to a byte boundary, as
// zlib's sync flush would. The pieces then concatenate into one valid stream
// (each piece was compressed on its own, so no match reaches across a join).
//
// Returns false, leaving the stream unchanged, when the stream cannot be
// walked block by block; the caller then stores the piece instead.
bool makeJoinable(std::vector<uint8_t> &stream);

// Appends `size` bytes as non-final stored blocks: a joinable piece that
// needs no compressor.
void appendStoredBlocks(std::vector<uint8_t> &stream, const uint8_t *data, size_t size);

// Finds the bit position of the final block's header and the bit position
// just after its end-of-block code. Exposed for tests.
bool findFinalBlock(const uint8_t *data, size_t size, uint64_t &finalHeader, uint64_t &end);

}  // namespace zelib
