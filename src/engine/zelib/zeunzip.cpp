// libzeunzip.so: the entry point "zeunzip" (Extract and Test).
#include "Reporter.h"
#include "UnzipArguments.h"
#include "UnzipOperation.h"
#include "engine/ZeAbi.h"

#include <new>

extern "C" ZE_EXPORT int32_t zeunzip(int32_t version, int32_t argc, const char *const *argv,
                                     ZeCallback callback, void *component) {
    if (version != ZE_VERSION)
        return ZE_ERR_INTERNAL;
    try {
        zelib::UnzipArguments args;
        if (const int32_t code = zelib::parseUnzipArguments(argc, argv, args))
            return code;
        zelib::Reporter reporter(callback, component);
        return zelib::runUnzip(args, reporter);
    } catch (const std::bad_alloc &) {
        return ZE_ERR_MEMORY;
    } catch (...) {
        return ZE_ERR_INTERNAL;
    }
}
