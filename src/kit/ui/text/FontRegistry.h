#pragma once

#include <atomic>
#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

namespace kit::ui {

// A family name that answers for the faces of another family, for files whose own family name
// is not the one text asks for.
struct FontFamilyAlias {
  std::string family;
  std::string target;
  bool operator==(const FontFamilyAlias &) const = default;
};

// Adds font files to this process's fonts (fontconfig application fonts; the system's fonts and
// other processes are untouched). Files that are missing, not regular files or not fonts are
// skipped; returns the files that are now available, in the given order. A file added before
// counts as available and is not added twice. Text measured afterwards sees the new faces, even
// when the engine resolved fonts before.
std::vector<std::filesystem::path>
registerFontFiles(const std::vector<std::filesystem::path> &files);

// Makes each alias's family resolve to its target's faces, as the files above do.
void registerFontFamilyAliases(const std::vector<FontFamilyAlias> &aliases);

// Registration that happens once per registry: the first caller adds the files and aliases;
// callers that arrive while it runs wait for it, and every caller gets its result. Later calls
// look at nothing, so a registration that failed is never retried.
class FontRegistry {
public:
  const std::vector<std::filesystem::path> &
  registerOnce(const std::vector<std::filesystem::path> &files,
               const std::vector<FontFamilyAlias> &aliases = {});

  // Whether the registration has run.
  bool hasRegistered() const { return done_.load(std::memory_order_acquire); }

private:
  std::once_flag once_;
  std::atomic<bool> done_ = false;
  std::vector<std::filesystem::path> registered_;
};

} // namespace kit::ui
