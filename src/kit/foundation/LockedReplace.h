#pragma once

#include "kit/foundation/AtomicFile.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <system_error>

namespace kit::foundation {

// What a file becomes, given the file a name resolves to: its new whole contents, read from it
// and changed, or none to leave it as it is.
using FileEdit = std::function<std::optional<std::string>(const std::filesystem::path &file)>;

// Changes a file the user keeps, whole or not at all. Under the exclusive lock beside the file
// `file` resolves to (`replacedFile`, `lockFileBeside`), so changes from several processes each
// start from the one before, `edit` reads and changes that file, which is then replaced synced
// under the name given (`replaceFile`: its stale temporary copies go, observers hear of that
// name). A link turned to another file meanwhile is left alone, as that file is not the one
// locked. `whileLocked`, when given, runs after the replace or the failure, still under the lock
// when it was had. The error that stopped it: `operation_canceled` when `edit` made nothing or
// `beforeReplace` refused, `resource_unavailable_try_again` when the lock was not had.
std::error_code replaceLocked(const std::filesystem::path &file, const FileEdit &edit,
                              const BeforeReplace &beforeReplace = {},
                              const std::function<void()> &whileLocked = {});

} // namespace kit::foundation
