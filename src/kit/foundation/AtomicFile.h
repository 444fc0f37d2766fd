#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace kit::foundation {

// Called with the temporary file once it holds the whole new contents and before it takes the
// file's place; returning false stops there (tests stand a crash in that moment with it).
using BeforeReplace = std::function<bool(const std::filesystem::path &temporary)>;

// How far a replacement goes before the new contents take the file's place.
enum class Durability {
  // Flushed to the disk, and the folder after the rename: files a crash must not cut short.
  synced,
  // Written whole, not flushed: files made again at will (pictures, pages, the layer cache).
  whole,
};

// The file a write of `file` replaces: the file a symbolic link names, links followed to the
// end (a relative link from its own folder), else `file` itself; none when a link names nothing.
std::optional<std::filesystem::path> replacedFile(const std::filesystem::path &file);

// Whether `name` is one of the temporary files a replacement of a file named `fileName` makes
// beside it (a hidden name, the file's name and six more characters).
bool isTemporaryCopyName(std::string_view name, std::string_view fileName);
// The name of the file whose temporary copy `name` is; none when `name` has no such form.
std::optional<std::string> copiedFileName(std::string_view name);

// Replaces a file's contents at once (or makes the file): a reader sees the old file or the new
// one, never a part of either. The new contents go to a temporary file beside the file replaced,
// which then takes its place. The file keeps its permission bits (a new one gets those the
// process's mask allows), and its owner and group where the process may set them (root may; any
// other process keeps the group when it is one of its own); a symbolic link keeps pointing at the
// file it names, which is the one replaced. A file or folder without write bits is refused
// (permission denied), whoever runs it. Temporary copies of the same file over an hour old, left by
// a writer that died, are removed first. The error that stopped it, the file then as it was and no
// temporary file of this replacement left, told to write failure observers; none on success, when
// file write observers hear of `file` by the name given.
std::error_code replaceFile(const std::filesystem::path &file, std::string_view contents,
                            Durability durability = Durability::synced,
                            const BeforeReplace &beforeReplace = {});

// A replacement in two steps, so that several files can each be written whole before any takes
// its place: `prepare` writes the new contents under the temporary name, `commit` puts them in
// the file's place. Each step as `replaceFile` does it, its failure told to write failure
// observers; one never committed removes its temporary file and leaves the file as it was.
class PendingReplacement {
public:
  PendingReplacement() = default;
  PendingReplacement(PendingReplacement &&other) noexcept;
  PendingReplacement &operator=(PendingReplacement &&other) noexcept;
  PendingReplacement(const PendingReplacement &) = delete;
  PendingReplacement &operator=(const PendingReplacement &) = delete;
  ~PendingReplacement();

  std::error_code prepare(const std::filesystem::path &file, std::string_view contents,
                          Durability durability = Durability::synced);
  // invalid_argument when nothing was prepared.
  std::error_code commit(const BeforeReplace &beforeReplace = {});

private:
  void discard();

  std::filesystem::path file_;   // the name given
  std::filesystem::path target_; // the file it resolves to
  std::string temporary_;        // empty when nothing waits
  Durability durability_ = Durability::synced;
};

} // namespace kit::foundation
