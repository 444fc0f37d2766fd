#pragma once

#include "kit/ui/Environment.h"
#include "kit/ui/drawing/CairoHandles.h"

#include <cstddef>
#include <map>
#include <memory>
#include <mutex>
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
  // A picture and where its top-left pixel lies from the layer's whole-pixel origin.
  struct Entry {
    SurfacePtr surface;
    int dx = 0;
    int dy = 0;
  };

  static StaticLayerCache &shared();

  std::shared_ptr<const Entry> find(const Key &key);
  void store(const Key &key, std::shared_ptr<const Entry> entry);

  // A process that draws one picture gains nothing from keeping layers: turned off, static
  // layers are drawn in place like any other subtree.
  void setEnabled(bool enabled);
  bool enabled() const;

  // For checks: how many pictures were made and how many reused.
  std::size_t rasterizations() const;
  std::size_t reuses() const;
  void clear();

private:
  static constexpr std::size_t capacity = 64;
  mutable std::mutex mutex_;
  std::map<Key, std::shared_ptr<const Entry>> entries_;
  std::size_t rasterizations_ = 0;
  std::size_t reuses_ = 0;
  bool enabled_ = true;
};

} // namespace kit::ui::drawing
