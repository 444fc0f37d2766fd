#pragma once

#include "kit/ui/Environment.h"
#include "kit/ui/drawing/StaticLayerFiles.h"

#include <cstddef>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <tuple>

namespace kit::ui::drawing {

// Pictures of subtrees that depend only on their key, kept for the life of the process.
class StaticLayerCache {
public:
  struct Key {
    std::string key;
    double scale = 1;
    double width = 0;
    double height = 0;
    int phaseX = 0; // where the layer falls within a device pixel, in 64ths
    int phaseY = 0;
    ColorScheme scheme = ColorScheme::light;
    auto tie() const { return std::tie(key, scale, width, height, phaseX, phaseY, scheme); }
    bool operator<(const Key &other) const { return tie() < other.tie(); }
  };
  using Entry = LayerPicture;

  static StaticLayerCache &shared();

  std::shared_ptr<const Entry> find(const Key &key);
  void store(const Key &key, std::shared_ptr<const Entry> entry);

  // Pictures are looked for in, and saved to, a folder shared with later processes, instead of
  // being kept in memory: for a process that draws one picture. None: memory only, as at the
  // start.
  void keepOnDisk(std::optional<std::filesystem::path> folder);

  // For checks: how many pictures were made and how many reused (from memory or from disk).
  std::size_t rasterizations() const;
  std::size_t reuses() const;
  void clear();

private:
  static constexpr std::size_t capacity = 64;
  mutable std::mutex mutex_;
  std::map<Key, std::shared_ptr<const Entry>> entries_;
  std::size_t rasterizations_ = 0;
  std::size_t reuses_ = 0;
  std::optional<StaticLayerFiles> files_;
};

} // namespace kit::ui::drawing
