#include "kit/foundation/AtomicFile.h"

#include "kit/foundation/Descriptor.h"
#include "kit/foundation/FileOwner.h"
#include "kit/foundation/FileWriteObserver.h"
#include "kit/foundation/WriteFailureObserver.h"
#include "kit/foundation/WriteModes.h"

#include <cerrno>
#include <chrono>
#include <random>
#include <string>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kit::foundation {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kNameCharacters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr size_t kRandomCharacters = 6;
constexpr int kNameAttempts = 100;
// Copies older than this were left by a writer that died; a younger one may still be on its way.
constexpr auto kStaleCopyAge = std::chrono::hours(1);

std::string randomCharacters() {
  thread_local std::minstd_rand random(std::random_device{}());
  std::uniform_int_distribution<size_t> pick(0, kNameCharacters.size() - 1);
  std::string text;
  for (size_t i = 0; i < kRandomCharacters; ++i)
    text += kNameCharacters[pick(random)];
  return text;
}

// A new temporary file beside the target, hidden so that nobody lists it as an item meanwhile.
// Made like any new file, so the process's mask sets its permission bits; never opened through
// a file or link someone else put at its name.
std::error_code createTemporary(const fs::path &target, Descriptor &file, std::string &temporary) {
  std::string prefix = (target.parent_path() / ("." + target.filename().string() + ".")).string();
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    std::string name = prefix + randomCharacters();
    file.fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (file.fd >= 0) {
      temporary = std::move(name);
      return {};
    }
    if (errno != EEXIST)
      return lastError();
  }
  return std::make_error_code(std::errc::file_exists);
}

std::error_code writeTemporary(const fs::path &target, std::string_view contents,
                               Durability durability, std::string &temporary) {
  Descriptor file;
  if (auto error = createTemporary(target, file, temporary))
    return error;
  struct stat status {};
  if (::stat(target.c_str(), &status) == 0) {
    // Before the mode: a change of owner clears the set-user and set-group bits.
    if (auto error = giveOwner(file.fd, status.st_uid, status.st_gid))
      return error;
    ::fchmod(file.fd, status.st_mode & 07777);
  }
  if (auto error = writeAll(file.fd, contents))
    return error;
  if (durability == Durability::synced && ::fsync(file.fd) != 0)
    return lastError();
  // Some file systems report a failed write only when the file is closed.
  if (!file.close())
    return lastError();
  return {};
}

void syncFolder(const fs::path &folder) {
  Descriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (directory.fd >= 0)
    ::fsync(directory.fd);
}

// A file or folder made read-only is left as it is, even by a process that could write it.
std::error_code refusedByMode(const fs::path &target) {
  std::error_code error;
  bool file = fs::is_regular_file(target, error);
  if ((file && isReadOnly(target)) || isReadOnly(target.parent_path()))
    return std::make_error_code(std::errc::permission_denied);
  return {};
}

// Temporary copies of `target` that a writer killed in mid-write left beside it.
void removeStaleCopies(const fs::path &target) {
  auto now = fs::file_time_type::clock::now();
  std::string name = target.filename().string();
  fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  std::error_code error;
  for (fs::directory_iterator item(folder, error), end; !error && item != end;
       item.increment(error)) {
    std::error_code itemError;
    if (!isTemporaryCopyName(item->path().filename().string(), name) ||
        !item->is_regular_file(itemError) || item->is_symlink(itemError))
      continue;
    auto modified = item->last_write_time(itemError);
    if (!itemError && now - modified > kStaleCopyAge)
      fs::remove(item->path(), itemError);
  }
}

// The new contents written whole under a temporary name beside `target`, in `temporary`; the
// error that stopped it, nothing then left.
std::error_code prepareResolved(const fs::path &target, std::string_view contents,
                                Durability durability, std::string &temporary) {
  if (auto refusal = refusedByMode(target))
    return refusal;
  removeStaleCopies(target);
  std::error_code error = writeTemporary(target, contents, durability, temporary);
  if (error && !temporary.empty()) {
    ::unlink(temporary.c_str());
    temporary.clear();
  }
  return error;
}

std::optional<fs::path> resolved(const fs::path &file, std::error_code &error) {
  fs::file_status status = fs::symlink_status(file, error);
  if (fs::is_symlink(status)) {
    fs::path target = fs::canonical(file, error);
    if (error)
      return std::nullopt;
    return target;
  }
  if (status.type() == fs::file_type::not_found)
    error.clear(); // a new file is written like any other
  if (error || file.empty()) {
    if (!error)
      error = std::make_error_code(std::errc::invalid_argument);
    return std::nullopt;
  }
  return file;
}

} // namespace

std::optional<fs::path> replacedFile(const fs::path &file) {
  std::error_code error;
  return resolved(file, error);
}

std::optional<std::string> copiedFileName(std::string_view name) {
  // "." + the file's name + "." + the random characters
  constexpr size_t kSuffix = 1 + kRandomCharacters;
  if (name.size() < 1 + 1 + kSuffix || name.front() != '.')
    return std::nullopt;
  std::string_view suffix = name.substr(name.size() - kSuffix);
  if (suffix.front() != '.' ||
      suffix.substr(1).find_first_not_of(kNameCharacters) != std::string_view::npos)
    return std::nullopt;
  return std::string(name.substr(1, name.size() - 1 - kSuffix));
}

bool isTemporaryCopyName(std::string_view name, std::string_view fileName) {
  auto copied = copiedFileName(name);
  return copied && *copied == fileName;
}

std::error_code replaceFile(const fs::path &file, std::string_view contents, Durability durability,
                            const BeforeReplace &beforeReplace) {
  PendingReplacement replacement;
  if (auto error = replacement.prepare(file, contents, durability))
    return error;
  return replacement.commit(beforeReplace);
}

PendingReplacement::PendingReplacement(PendingReplacement &&other) noexcept
    : file_(std::move(other.file_)), target_(std::move(other.target_)),
      temporary_(std::exchange(other.temporary_, {})), durability_(other.durability_) {}

PendingReplacement &PendingReplacement::operator=(PendingReplacement &&other) noexcept {
  if (this != &other) {
    discard();
    file_ = std::move(other.file_);
    target_ = std::move(other.target_);
    temporary_ = std::exchange(other.temporary_, {});
    durability_ = other.durability_;
  }
  return *this;
}

PendingReplacement::~PendingReplacement() { discard(); }

void PendingReplacement::discard() {
  if (!temporary_.empty())
    ::unlink(temporary_.c_str());
  temporary_.clear();
}

std::error_code PendingReplacement::prepare(const fs::path &file, std::string_view contents,
                                            Durability durability) {
  discard();
  file_ = file;
  durability_ = durability;
  std::error_code error;
  auto target = resolved(file, error);
  if (target) {
    target_ = *target;
    error = prepareResolved(target_, contents, durability, temporary_);
  }
  if (error)
    announceWriteFailure({{}, file.string(), error.message()});
  return error;
}

std::error_code PendingReplacement::commit(const BeforeReplace &beforeReplace) {
  if (temporary_.empty())
    return std::make_error_code(std::errc::invalid_argument);
  std::error_code error;
  if (beforeReplace && !beforeReplace(temporary_))
    error = std::make_error_code(std::errc::operation_canceled);
  else if (::rename(temporary_.c_str(), target_.c_str()) != 0)
    error = lastError();
  if (error) {
    discard();
    announceWriteFailure({{}, file_.string(), error.message()});
    return error;
  }
  temporary_.clear();
  if (durability_ == Durability::synced)
    syncFolder(target_.parent_path());
  announceFileWritten(file_);
  return {};
}

} // namespace kit::foundation
