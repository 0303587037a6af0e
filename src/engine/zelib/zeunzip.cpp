// libzeunzip.so: the entry points "zeunzip" (Extract and Test),
// "zeunzipahead" (the archives of the calls to come) and "zeunzipaheadidle"
// (waits until that work has gone as far as it may, so that a test can
// change an archive after it was read ahead).
#include "Reporter.h"
#include "UnzipAhead.h"
#include "UnzipArguments.h"
#include "UnzipOperation.h"
#include "engine/ZeAbi.h"

#include <new>
#include <string>
#include <vector>

extern "C" ZE_EXPORT int32_t zeunzip(int32_t version, int32_t argc, const char *const *argv,
                                     ZeCallback callback, void *component) {
    if (version != ZE_VERSION)
        return ZE_ERR_INTERNAL;
    try {
        zelib::UnzipArguments args;
        if (const int32_t code = zelib::parseUnzipArguments(argc, argv, args))
            return code;
        zelib::Reporter reporter(callback, component);
        const int32_t code = zelib::runUnzip(args, reporter);
        // The last call of a batch, or one on its own: the pages kept for
        // the next entries go back.
        if (zelib::UnzipAhead::shared().expectsNothing())
            zelib::ByteBuffer::trimStore();
        return code;
    } catch (const std::bad_alloc &) {
        return ZE_ERR_MEMORY;
    } catch (...) {
        return ZE_ERR_INTERNAL;
    }
}

extern "C" ZE_EXPORT int32_t zeunzipahead(int32_t version, int32_t argc, const char *const *argv,
                                          ZeCallback, void *) {
    zelib::UnzipAhead &ahead = zelib::UnzipAhead::shared();
    if (version != ZE_VERSION || argc < 0 || (argc > 0 && argv == nullptr)) {
        ahead.drop();
        return ZE_ERR_INTERNAL;
    }
    try {
        std::vector<std::string> paths;
        // "-t" first: the calls will test.
        const bool testing = argc > 0 && argv[0] != nullptr && std::string(argv[0]) == "-t";
        for (int32_t i = testing ? 1 : 0; i < argc; ++i) {
            if (argv[i] == nullptr || argv[i][0] == '\0') {
                ahead.drop();
                return ZE_ERR_INTERNAL;
            }
            paths.emplace_back(argv[i]);
        }
        ahead.expect(paths, testing);
        return ZE_OK;
    } catch (const std::bad_alloc &) {
        ahead.drop();
        return ZE_ERR_MEMORY;
    } catch (...) {
        ahead.drop();
        return ZE_ERR_INTERNAL;
    }
}

extern "C" ZE_EXPORT int32_t zeunzipaheadidle(int32_t version, int32_t, const char *const *,
                                              ZeCallback, void *) {
    if (version != ZE_VERSION)
        return ZE_ERR_INTERNAL;
    return static_cast<int32_t>(zelib::UnzipAhead::shared().waitUntilIdle());
}
