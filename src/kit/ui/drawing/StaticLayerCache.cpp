#include "kit/ui/drawing/StaticLayerCache.h"

namespace kit::ui::drawing {

StaticLayerCache &StaticLayerCache::shared() {
  static StaticLayerCache cache;
  return cache;
}

std::shared_ptr<const StaticLayerCache::Entry> StaticLayerCache::find(const Key &key) {
  std::lock_guard lock(mutex_);
  auto found = entries_.find(key);
  if (found == entries_.end())
    return nullptr;
  ++reuses_;
  return found->second;
}

void StaticLayerCache::store(const Key &key, std::shared_ptr<const Entry> entry) {
  std::lock_guard lock(mutex_);
  // Keys come from a few casings, themes and sizes; anything beyond that starts afresh.
  if (entries_.size() >= capacity)
    entries_.clear();
  entries_[key] = std::move(entry);
  ++rasterizations_;
}

void StaticLayerCache::setEnabled(bool enabled) {
  std::lock_guard lock(mutex_);
  enabled_ = enabled;
  if (!enabled_)
    entries_.clear();
}

bool StaticLayerCache::enabled() const {
  std::lock_guard lock(mutex_);
  return enabled_;
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
