#include "kit/ui/text/FontRegistry.h"

#include "kit/ui/text/FontConfiguration.h"

#include <fontconfig/fontconfig.h>

#include <map>
#include <set>
#include <system_error>
#include <utility>

namespace kit::ui {

namespace {

// What this process has added already; guarded by the font configuration lock.
std::set<std::filesystem::path> &addedFiles() {
  static std::set<std::filesystem::path> files;
  return files;
}

std::set<std::pair<std::string, std::string>> &addedAliases() {
  static std::set<std::pair<std::string, std::string>> aliases;
  return aliases;
}

// fontconfig would scan a folder given as a file, so only regular files are offered to it.
std::filesystem::path regularFile(const std::filesystem::path &file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error))
    return {};
  auto canonical = std::filesystem::canonical(file, error);
  return error ? std::filesystem::path{} : canonical;
}

bool addFile(const std::filesystem::path &canonical) {
  if (addedFiles().count(canonical))
    return true;
  auto *name = reinterpret_cast<const FcChar8 *>(canonical.c_str());
  if (!FcConfigAppFontAddFile(fontConfiguration(), name))
    return false;
  addedFiles().insert(canonical);
  noteFontConfigurationChanged();
  return true;
}

// Whether `folder` holds nothing but files that are asked for.
bool onlyAskedFor(const std::filesystem::path &folder,
                  const std::set<std::filesystem::path> &asked) {
  std::error_code error;
  std::size_t entries = 0;
  for (std::filesystem::directory_iterator item(folder, error), end; !error && item != end;
       item.increment(error), ++entries)
    if (!asked.count(item->path()))
      return false;
  return !error && entries == asked.size();
}

// What fontconfig found in the files it has added, as added files.
void noteAddedApplicationFonts() {
  FcFontSet *fonts = FcConfigGetFonts(fontConfiguration(), FcSetApplication);
  for (int i = 0; fonts && i < fonts->nfont; ++i) {
    FcChar8 *file = nullptr;
    if (FcPatternGetString(fonts->fonts[i], FC_FILE, 0, &file) == FcResultMatch)
      addedFiles().insert(reinterpret_cast<const char *>(file));
  }
}

// fontconfig keeps a cache for a folder, not for single files: a folder whose every file is
// asked for is added whole, so that later processes read its cache instead of every font. Files
// it did not take as fonts are then left to be refused one by one.
void addWholeFolders(const std::vector<std::filesystem::path> &files) {
  std::map<std::filesystem::path, std::set<std::filesystem::path>> byFolder;
  for (const auto &file : files)
    if (!file.empty() && !addedFiles().count(file))
      byFolder[file.parent_path()].insert(file);
  bool added = false;
  for (const auto &[folder, asked] : byFolder)
    if (onlyAskedFor(folder, asked) &&
        FcConfigAppFontAddDir(fontConfiguration(),
                              reinterpret_cast<const FcChar8 *>(folder.c_str())))
      added = true;
  if (!added)
    return;
  noteAddedApplicationFonts();
  noteFontConfigurationChanged();
}

std::string xmlEscaped(const std::string &text) {
  std::string out;
  for (char c : text) {
    switch (c) {
    case '&':
      out += "&amp;";
      break;
    case '<':
      out += "&lt;";
      break;
    case '>':
      out += "&gt;";
      break;
    case '"':
      out += "&quot;";
      break;
    default:
      out += c;
    }
  }
  return out;
}

std::string aliasRule(const FontFamilyAlias &alias) {
  return "<?xml version=\"1.0\"?><!DOCTYPE fontconfig SYSTEM \"fonts.dtd\"><fontconfig>"
         "<alias binding=\"same\"><family>" +
         xmlEscaped(alias.family) + "</family><prefer><family>" + xmlEscaped(alias.target) +
         "</family></prefer></alias></fontconfig>";
}

} // namespace

std::vector<std::filesystem::path>
registerFontFiles(const std::vector<std::filesystem::path> &files) {
  auto lock = lockFontConfiguration();
  std::vector<std::filesystem::path> canonical;
  for (const auto &file : files)
    canonical.push_back(regularFile(file));
  addWholeFolders(canonical);
  std::vector<std::filesystem::path> registered;
  for (std::size_t i = 0; i < files.size(); ++i)
    if (!canonical[i].empty() && addFile(canonical[i]))
      registered.push_back(files[i]);
  return registered;
}

void registerFontFamilyAliases(const std::vector<FontFamilyAlias> &aliases) {
  auto lock = lockFontConfiguration();
  for (const auto &alias : aliases) {
    if (alias.family.empty() || alias.target.empty())
      continue;
    if (!addedAliases().insert({alias.family, alias.target}).second)
      continue;
    auto rule = aliasRule(alias);
    FcConfigParseAndLoadFromMemory(fontConfiguration(),
                                   reinterpret_cast<const FcChar8 *>(rule.c_str()), FcFalse);
    noteFontConfigurationChanged();
  }
}

const std::vector<std::filesystem::path> &
FontRegistry::registerOnce(const std::vector<std::filesystem::path> &files,
                           const std::vector<FontFamilyAlias> &aliases) {
  std::call_once(once_, [&] {
    registered_ = registerFontFiles(files);
    registerFontFamilyAliases(aliases);
    done_.store(true, std::memory_order_release);
  });
  return registered_;
}

} // namespace kit::ui
