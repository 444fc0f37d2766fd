#pragma once

#include "kit/foundation/Date.h"
#include "kit/foundation/JsonCoding.h"
#include "kit/widgets/ReloadPolicy.h"

#include <concepts>
#include <vector>

namespace kit::widgets {

// What a timeline holds: a value with the date from which the host shows it, and a JSON form
// (JsonCoder<Entry>) that the host prints as the entry.
template <class Entry>
concept TimelineEntry = std::copy_constructible<Entry> && requires(const Entry &entry) {
  { entry.date } -> std::convertible_to<foundation::Date>;
  { foundation::JsonCoder<Entry>::encode(entry) } -> std::same_as<foundation::Json>;
};

// Entries in date order, and when to ask for the next timeline.
template <class Entry> struct Timeline {
  std::vector<Entry> entries;
  ReloadPolicy policy = ReloadPolicy::atEnd();
};

} // namespace kit::widgets
