#include "PasswordKeeper.h"

#include "Reporter.h"
#include "ResultCodes.h"

namespace zelib {

namespace {

bool wrongPassword(int zipError) {
    return zipError == ZIP_ER_WRONGPASSWD || zipError == ZIP_ER_NOPASSWD;
}

}  // namespace

PasswordKeeper::PasswordKeeper(const std::string &first, Reporter &reporter) : reporter_(reporter) {
    if (!first.empty())
        known_.push_back(first);
}

EntryFile PasswordKeeper::open(zip_t *archive, zip_uint64_t index, const std::string &name,
                               bool encrypted, int32_t &code) {
    code = ZE_OK;
    auto attempt = [&](const char *password, int &zipError) {
        zip_file_t *file = password != nullptr
                               ? zip_fopen_index_encrypted(archive, index, 0, password)
                               : zip_fopen_index(archive, index, 0);
        zipError = file == nullptr ? zip_error_code_zip(zip_get_error(archive)) : ZIP_ER_OK;
        if (file == nullptr)
            zip_error_clear(archive);
        return EntryFile(file);
    };
    int zipError = ZIP_ER_OK;
    if (!encrypted) {
        EntryFile file = attempt(nullptr, zipError);
        if (!file)
            code = codeForZipError(zipError, 0, Stage::Read);
        return file;
    }
    for (auto password = known_.rbegin(); password != known_.rend(); ++password) {
        EntryFile file = attempt(password->c_str(), zipError);
        if (file) {
            lastUsed_ = *password;
            return file;
        }
        if (!wrongPassword(zipError)) {
            code = codeForZipError(zipError, 0, Stage::Read);
            return nullptr;
        }
    }
    for (int question = 0; question < kQuestionsPerEntry; ++question) {
        const std::optional<std::string> given = reporter_.askPassword(name);
        if (reporter_.aborted()) {
            code = ZE_ERR_ABORTED;
            return nullptr;
        }
        if (!given)
            break;
        EntryFile file = attempt(given->c_str(), zipError);
        if (file) {
            known_.push_back(*given);
            lastUsed_ = *given;
            return file;
        }
        if (!wrongPassword(zipError)) {
            code = codeForZipError(zipError, 0, Stage::Read);
            return nullptr;
        }
    }
    code = reporter_.skipping(name, ZE_SKIP_BAD_PASSWORD) ? ZE_ERR_SKIPPED : ZE_ERR_ABORTED;
    return nullptr;
}

}  // namespace zelib
