#pragma once

#include "kit/ui/drawing/CairoHandles.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace kit::ui::drawing {

// A layer's picture and where its top-left pixel lies from the layer's whole-pixel origin.
struct LayerPicture {
  SurfacePtr surface;
  int dx = 0;
  int dy = 0;
};

// Pictures of static layers kept in a folder between processes, so that a process that draws one
// widget need not draw its casing again. A file is named by a hash of its key and of the build
// that drew it, and holds the key in full; a file that cannot be read whole, holds another key,
// or is no regular file (a FIFO there is never waited on), counts as missing. Saving replaces a
// file at once, and keeps the folder to a few dozen files by dropping the oldest; the folders and
// files it makes take the owner and group of the folder they are made in, where the process may
// give them. Every failure is silent: the layer is simply drawn.
class StaticLayerFiles {
public:
  explicit StaticLayerFiles(std::filesystem::path folder);

  std::shared_ptr<const LayerPicture> load(std::string_view key) const;
  void save(std::string_view key, const LayerPicture &picture) const;

  static constexpr std::size_t capacity = 48;

private:
  std::filesystem::path fileFor(const std::string &qualifiedKey) const;
  void dropOldest(const std::filesystem::path &saved) const;

  std::filesystem::path folder_;
};

} // namespace kit::ui::drawing
