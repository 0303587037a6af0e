#include "DosTime.h"

namespace zelib {

DosTime toDosTime(time_t when) {
    struct tm local {};
    if (localtime_r(&when, &local) == nullptr || local.tm_year < 80)
        return {(1 << 5) | 1, 0};
    DosTime dos;
    dos.date = static_cast<uint16_t>(((local.tm_year - 80) << 9) | ((local.tm_mon + 1) << 5) |
                                     local.tm_mday);
    dos.time =
        static_cast<uint16_t>((local.tm_hour << 11) | (local.tm_min << 5) | (local.tm_sec / 2));
    return dos;
}

time_t roundedToDos(time_t when) {
    struct tm local {};
    if (localtime_r(&when, &local) == nullptr)
        return when;
    return when - (local.tm_sec % 2);
}

}  // namespace zelib
