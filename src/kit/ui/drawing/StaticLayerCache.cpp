#include "kit/ui/drawing/StaticLayerCache.h"

#include <cstdio>

namespace kit::ui::drawing {

namespace {

// Every field of the key, in a form that reads back the same in another process.
std::string describe(const StaticLayerCache::Key &key) {
  char numbers[160];
  std::snprintf(numbers, sizeof numbers, "|%.17g|%.17g|%.17g|%d|%d|%d", key.scale, key.width,
                key.height, key.phaseX, key.phaseY, static_cast<int>(key.scheme));
  return key.key + numbers;
}

} // namespace

StaticLayerCache &StaticLayerCache::shared() {
  static StaticLayerCache cache;
  return cache;
}

std::shared_ptr<const StaticLayerCache::Entry> StaticLayerCache::find(const Key &key) {
  std::lock_guard lock(mutex_);
  auto found = entries_.find(key);
  if (found != entries_.end()) {
    ++reuses_;
    return found->second;
  }
  auto loaded = files_ ? files_->load(describe(key)) : nullptr;
  if (loaded)
    ++reuses_;
  return loaded;
}

void StaticLayerCache::store(const Key &key, std::shared_ptr<const Entry> entry) {
  std::lock_guard lock(mutex_);
  ++rasterizations_;
  // With a folder, the process draws one picture: the layer is saved for later processes and
  // freed once drawn, rather than kept beside the picture.
  if (files_) {
    if (entry)
      files_->save(describe(key), *entry);
    return;
  }
  // Keys come from a few casings, themes and sizes; anything beyond that starts afresh.
  if (entries_.size() >= capacity)
    entries_.clear();
  entries_[key] = std::move(entry);
}

void StaticLayerCache::keepOnDisk(std::optional<std::filesystem::path> folder) {
  std::lock_guard lock(mutex_);
  files_.reset();
  if (folder)
    files_.emplace(std::move(*folder));
}

std::size_t StaticLayerCache::rasterizations() const {
  std::lock_guard lock(mutex_);
  return rasterizations_;
}

std::size_t StaticLayerCache::reuses() const {
  std::lock_guard lock(mutex_);
  return reuses_;
}

void StaticLayerCache::clear() {
  std::lock_guard lock(mutex_);
  entries_.clear();
}

} // namespace kit::ui::drawing
