#pragma once

namespace tools {

// The position of list line `index` (above 0) in a walk over `count` lines,
// as a bar value from 0 to 100: index x 100 / (count - 1), rounded to the
// nearest whole number, halves to the even neighbour.
int walkProgress(int index, int count);

}  // namespace tools
