#pragma once

#include "kit/foundation/Descriptor.h"

#include <filesystem>
#include <system_error>

#include <sys/types.h>

namespace kit::foundation {

// Gives the file open as `fd` the owner `owner` and the group `group` as far as the process may:
// root gives both; any other process gives the group when it is one of its own, and leaves the
// rest (and ids this system cannot map) as they are. The error of a change refused for another
// reason.
std::error_code giveOwner(int fd, uid_t owner, gid_t group);

// What the process makes in a folder of someone's data (a lock file, a database, a folder) takes
// that folder's owner and group, as far as giveOwner may give them: run as root, it leaves them
// nothing they cannot open or write. `made` is changed itself, never a file a link there names.
std::error_code takeFolderOwner(const std::filesystem::path &made);

// Makes `folder` and the missing folders above it, as create_directories does, each taking the
// owner and group of the folder it is made in. None when `folder` is a folder already (another
// process may have made it meanwhile); not_a_directory when something else is in the way.
std::error_code makeFolders(const std::filesystem::path &folder);

// Makes `file` when nothing is at its name, open for reading and writing as `made`, with `mode`
// as the process's mask allows and its folder's owner and group. `made` stays closed when
// something was there (file_exists); never made through a link at its name.
std::error_code makeFile(const std::filesystem::path &file, mode_t mode, Descriptor &made);

} // namespace kit::foundation
