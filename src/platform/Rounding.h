#pragma once

#include <cmath>

namespace platform {

// Percentages are computed in floating point and rounded to the nearest
// whole number, halves to the even neighbour (2.5 gives 2, 3.5 gives 4), as
// the progress bars and status texts of every batch and tool show them.
inline int roundHalfEven(double value) {
    const double down = std::floor(value);
    const double rest = value - down;
    if (rest > 0.5)
        return static_cast<int>(down) + 1;
    if (rest < 0.5)
        return static_cast<int>(down);
    return static_cast<int>(std::fmod(down, 2.0) == 0.0 ? down : down + 1);
}

// The walk position of list index `index` among `count` lines: index * 100
// / (count - 1), rounded. Only meaningful for index > 0 (so count > 1).
// index * 100 is exact, so a true half stays a half.
inline int walkPercent(int index, int count) {
    return roundHalfEven(static_cast<double>(static_cast<long long>(index) * 100) /
                         static_cast<double>(count - 1));
}

}  // namespace platform
