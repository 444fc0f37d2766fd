#include "kit/events/ItemComponent.h"

#include <algorithm>
#include <cstring>

namespace kit::events {

namespace {

constexpr std::size_t kLargestBlock = 64 * 1024;

bool holdsList(PropertyName name) {
  return name == PropertyName::rdate || name == PropertyName::exdate;
}

// The values of a line: each of a list, else the one.
template <typename Each> void forEachValue(const Property &line, Each each) {
  if (!holdsList(line.name)) {
    each(line);
    return;
  }
  Property value = line;
  for (std::string_view rest = line.value;;) {
    std::size_t comma = rest.find(',');
    value.value = rest.substr(0, comma);
    each(value);
    if (comma == std::string_view::npos)
      return;
    rest.remove_prefix(comma + 1);
  }
}

} // namespace

// A short text's values fit in one block its size; a long one's in blocks of the largest size.
ItemProperties::ItemProperties(std::size_t size)
    : nextBlock_(std::clamp<std::size_t>(size, 64, kLargestBlock)) {}

void ItemProperties::add(PropertyName name, bool periodValue, std::string_view tzid,
                         std::string_view value) {
  std::uint32_t zone = 0;
  if (!tzid.empty()) {
    if (tzids_.empty() || tzids_.back() != tzid)
      tzids_.push_back(keep(tzid));
    zone = static_cast<std::uint32_t>(tzids_.size());
  }
  std::string_view kept = keep(value);
  lines_.push_back({.value = kept.data(),
                    .size = static_cast<std::uint32_t>(kept.size()),
                    .tzid = zone,
                    .name = name,
                    .periodValue = periodValue});
}

Property ItemProperties::line(std::size_t at) const {
  const Line &line = lines_[at];
  return {.name = line.name,
          .periodValue = line.periodValue,
          .tzid = line.tzid ? tzids_[line.tzid - 1] : std::string_view(),
          .value = std::string_view(line.value, line.size)};
}

std::string_view ItemProperties::keep(std::string_view text) {
  if (text.empty())
    return {};
  // A long text has a block of its own.
  if (text.size() > kLargestBlock / 16) {
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(text.size()));
    std::memcpy(blocks_.back().get(), text.data(), text.size());
    return {blocks_.back().get(), text.size()};
  }
  if (text.size() > room_) {
    room_ = std::max(nextBlock_, text.size());
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(room_));
    free_ = blocks_.back().get();
  }
  std::memcpy(free_, text.data(), text.size());
  std::string_view kept(free_, text.size());
  free_ += text.size();
  room_ -= text.size();
  return kept;
}

std::optional<Property> ItemComponent::first(PropertyName name) const {
  for (std::uint32_t at = firstProperty; at < firstProperty + propertyCount; ++at) {
    Property line = kept->line(at);
    if (line.name != name)
      continue;
    if (holdsList(name))
      line.value = line.value.substr(0, line.value.find(','));
    return line;
  }
  return std::nullopt;
}

std::vector<Property> ItemComponent::all(PropertyName name) const {
  std::vector<Property> found;
  for (std::uint32_t at = firstProperty; at < firstProperty + propertyCount; ++at)
    if (Property line = kept->line(at); line.name == name)
      forEachValue(line, [&](const Property &value) { found.push_back(value); });
  return found;
}

std::vector<Property> ItemComponent::properties() const {
  std::vector<Property> found;
  for (std::uint32_t at = firstProperty; at < firstProperty + propertyCount; ++at)
    forEachValue(kept->line(at), [&](const Property &value) { found.push_back(value); });
  return found;
}

} // namespace kit::events
