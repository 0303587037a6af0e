#pragma once

#include <sys/types.h>
#include <functional>
#include <optional>
#include <string>

namespace zelib {

// The names the engine gives its temporary files while they have to have a
// name: ".~ze<pid>-<six letters or digits>-<target's name>". Hidden, marked
// with the process that made it, and distinctive enough that the engine can
// tell a leftover of a killed run from anything a user made.
std::string temporaryName(const std::string &targetName, pid_t pid, const std::string &random);

// Six random letters and digits for a temporary name.
std::string randomTag();

// The process that made the temporary file `name`, or nothing when `name` is
// not one of the engine's temporary names.
std::optional<pid_t> temporaryOwner(const std::string &name);

// Removes the engine's temporary files in `folder` that a killed run left
// behind: regular files with a temporary name whose process is gone and that
// no one holds (a live file is kept locked by its maker). Returns how many
// went.
int sweepLeftovers(const std::string &folder);

// Removes the folders in `folder` that killed runs left behind: folders
// with a temporary name whose process is gone and that no one holds locked
// (a live folder is kept locked by its maker, as a live file is). Each goes
// through `remove`, given its path, which must not follow links out of it.
// Returns how many went.
int sweepLeftoverFolders(const std::string &folder,
                         const std::function<bool(const std::string &path)> &remove);

// sweepLeftovers, at most once per folder for the life of the process: a
// leftover comes from a run that ended, and one look per folder finds it.
void sweepLeftoversOnce(const std::string &folder);

}  // namespace zelib
