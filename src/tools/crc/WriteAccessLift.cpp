#include "WriteAccessLift.h"

namespace tools {

WriteAccessLift::WriteAccessLift(const QString &path) : path_(path.toStdU16String()) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::perms kept = fs::status(path_, error).permissions();
    if (error || kept == fs::perms::unknown || (kept & fs::perms::owner_write) != fs::perms::none)
        return;
    fs::permissions(path_, kept | fs::perms::owner_write, fs::perm_options::replace, error);
    if (!error)
        kept_ = kept;
}

WriteAccessLift::~WriteAccessLift() {
    std::error_code error;
    if (kept_)
        std::filesystem::permissions(path_, *kept_, std::filesystem::perm_options::replace, error);
}

}  // namespace tools
