#include "kit/ui/text/RenditionCache.h"

#include "kit/ui/text/TextStyleHash.h"

namespace kit::ui {

std::size_t RenditionKeyHash::operator()(const RenditionKey &key) const {
  return hashOf(TextStyleHash{}(key.style), key.text, key.bounds.width.value_or(-1),
                key.bounds.height.value_or(-1));
}

std::shared_ptr<const Rendition> RenditionCache::find(const RenditionKey &key) {
  auto found = index_.find(key);
  if (found == index_.end())
    return nullptr;
  entries_.splice(entries_.begin(), entries_, found->second);
  return found->second->second;
}

void RenditionCache::insert(const RenditionKey &key, std::shared_ptr<const Rendition> rendition) {
  if (capacity_ == 0)
    return;
  if (auto found = index_.find(key); found != index_.end()) {
    found->second->second = std::move(rendition);
    entries_.splice(entries_.begin(), entries_, found->second);
    return;
  }
  entries_.emplace_front(key, std::move(rendition));
  index_.emplace(key, entries_.begin());
  if (entries_.size() > capacity_) {
    index_.erase(entries_.back().first);
    entries_.pop_back();
  }
}

void RenditionCache::clear() {
  index_.clear();
  entries_.clear();
}

} // namespace kit::ui
