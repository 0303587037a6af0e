#include "FuzzTarget.h"

#include <cstdio>
#include <cstdlib>

void fuzzCheck(bool holds, const char *what) {
    if (holds)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}
