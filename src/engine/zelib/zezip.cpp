// libzezip.so: the entry points "zezip" (Zip and StampZipDate) and
// "zezipahead" (the files of the calls to come) and "zezipaheadidle" (waits
// until that work has gone as far as it may, so that a test can change a
// file after it was read ahead).
#include "CompressAhead.h"
#include "Reporter.h"
#include "ZipArguments.h"
#include "ZipOperation.h"
#include "engine/ZeAbi.h"

#include <new>

extern "C" ZE_EXPORT int32_t zezip(int32_t version, int32_t argc, const char *const *argv,
                                   ZeCallback callback, void *component) {
    if (version != ZE_VERSION)
        return ZE_ERR_INTERNAL;
    try {
        zelib::ZipArguments args;
        if (const int32_t code = zelib::parseZipArguments(argc, argv, args))
            return code;
        zelib::Reporter reporter(callback, component);
        return zelib::runZip(args, reporter);
    } catch (const std::bad_alloc &) {
        return ZE_ERR_MEMORY;
    } catch (...) {
        return ZE_ERR_INTERNAL;
    }
}

extern "C" ZE_EXPORT int32_t zezipahead(int32_t version, int32_t argc, const char *const *argv,
                                        ZeCallback, void *) {
    if (version != ZE_VERSION)
        return ZE_ERR_INTERNAL;
    try {
        zelib::ZipArguments args;
        const int32_t code = zelib::parseZipArguments(argc, argv, args);
        if (code != ZE_OK) {
            zelib::CompressAhead::shared().drop();
            return code;
        }
        zelib::expectZipCalls(args);
        return ZE_OK;
    } catch (const std::bad_alloc &) {
        zelib::CompressAhead::shared().drop();
        return ZE_ERR_MEMORY;
    } catch (...) {
        zelib::CompressAhead::shared().drop();
        return ZE_ERR_INTERNAL;
    }
}

extern "C" ZE_EXPORT int32_t zezipaheadidle(int32_t version, int32_t, const char *const *,
                                            ZeCallback, void *) {
    if (version != ZE_VERSION)
        return ZE_ERR_INTERNAL;
    zelib::CompressAhead::shared().waitUntilIdle();
    return ZE_OK;
}
