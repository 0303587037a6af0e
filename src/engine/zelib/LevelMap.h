#pragma once

#include <algorithm>

namespace zelib {

// The libdeflate level that each requested level (1 to 9, as zip's -1 .. -9)
// runs. Each is the fastest whose output, deflated in the engine's chunks,
// is no larger than zlib's at the same level (what zip makes) on every class
// of a mixed corpus within 0.5 %, and no larger in total; 9 is libdeflate's
// smallest output. Measured with bench/levels_vs_zlib.py: rerun it when
// libdeflate or the chunking changes.
inline constexpr int kLibdeflateLevels[10] = {0, 1, 1, 2, 3, 5, 6, 6, 7, 12};

constexpr int libdeflateLevel(int level) {
    return kLibdeflateLevels[std::clamp(level, 0, 9)];
}

}  // namespace zelib
