#include "Progress.h"

#include <cmath>

namespace tools {

int walkProgress(int index, int count) {
    // The product is exact, and a quotient that lies exactly on a half is
    // exact in a double too, so the halves-to-even rule sees true halves.
    const double percent =
        static_cast<double>(static_cast<long long>(index) * 100) / static_cast<double>(count - 1);
    return static_cast<int>(std::nearbyint(percent));
}

}  // namespace tools
