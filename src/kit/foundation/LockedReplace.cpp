#include "kit/foundation/LockedReplace.h"

#include "kit/foundation/FileLock.h"

namespace kit::foundation {

namespace {

namespace fs = std::filesystem;

std::error_code editLocked(const fs::path &file, const fs::path &target, const FileEdit &edit,
                           const BeforeReplace &beforeReplace) {
  auto contents = edit(target);
  if (!contents)
    return std::make_error_code(std::errc::operation_canceled);
  auto sameFile = [&](const fs::path &temporary) {
    return temporary.parent_path() == target.parent_path() &&
           isTemporaryCopyName(temporary.filename().string(), target.filename().string()) &&
           (!beforeReplace || beforeReplace(temporary));
  };
  return replaceFile(file, *contents, Durability::synced, sameFile);
}

} // namespace

std::error_code replaceLocked(const fs::path &file, const FileEdit &edit,
                              const BeforeReplace &beforeReplace,
                              const std::function<void()> &whileLocked) {
  auto target = replacedFile(file);
  auto lock = target ? FileLock::exclusive(lockFileBeside(*target)) : std::nullopt;
  std::error_code error = !target ? std::make_error_code(std::errc::no_such_file_or_directory)
                          : !lock ? std::make_error_code(std::errc::resource_unavailable_try_again)
                                  : editLocked(file, *target, edit, beforeReplace);
  if (whileLocked)
    whileLocked();
  return error;
}

} // namespace kit::foundation
