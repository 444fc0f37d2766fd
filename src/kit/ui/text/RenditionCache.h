#pragma once

#include "kit/ui/text/TextFitter.h"

#include <cstddef>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>

namespace kit::ui {

struct RenditionKey {
  std::string text;
  TextStyle style;
  TextBounds bounds;
  bool operator==(const RenditionKey &) const = default;
};

struct RenditionKeyHash {
  std::size_t operator()(const RenditionKey &key) const;
};

// The texts laid out most recently: layout asks for the same text at the same proposals again
// and again, and drawing asks for the layout measuring made.
class RenditionCache {
public:
  explicit RenditionCache(std::size_t capacity) : capacity_(capacity) {}

  std::shared_ptr<const Rendition> find(const RenditionKey &key);
  void insert(const RenditionKey &key, std::shared_ptr<const Rendition> rendition);
  void clear();
  std::size_t size() const { return entries_.size(); }

private:
  using Entry = std::pair<RenditionKey, std::shared_ptr<const Rendition>>;
  std::size_t capacity_;
  std::list<Entry> entries_; // most recently used first
  std::unordered_map<RenditionKey, std::list<Entry>::iterator, RenditionKeyHash> index_;
};

} // namespace kit::ui
