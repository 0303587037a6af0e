#pragma once

#include <cstdint>
#include <ctime>

namespace zelib {

// MS-DOS date and time in local time, as zip headers keep them; times before
// 1980 become 1 January 1980, 00:00.
struct DosTime {
    uint16_t date = 0;
    uint16_t time = 0;
};

DosTime toDosTime(time_t when);

// Zip headers keep seconds in steps of two: the time a file gets when stored.
time_t roundedToDos(time_t when);

}  // namespace zelib
