#pragma once

#include "kit/events/CalendarFolder.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kit::events {

// A component with the file it is read from.
struct ItemPart {
  const CalendarFile *file = nullptr;
  const ItemComponent *item = nullptr;
};

// An item of a reading: its series (or its single occurrence) and the occurrences changed apart
// from it, from whichever of its calendar's files they are written in.
struct ItemGroup {
  // "<calendar>/<UID>", of the first of its components.
  std::string id;
  // The first of its components without a RECURRENCE-ID, if any; later ones are passed over.
  std::optional<ItemPart> series;
  std::vector<ItemPart> overrides;

  // Each file it is written in gives it an item's share there.
  void startItem() const;
};

// The items the components of one kind make: one per UID within a calendar, whichever of the
// calendar's files its components are written in, and one of its own for each component without
// a UID. In the order of their first components, files first.
class ItemGroups {
public:
  ItemGroups(const std::vector<CalendarFile> &files, ComponentKind kind);

  // Each item in turn, made as it is reached: a reading holds one item and a few bytes for each
  // component with a UID, however many items its files make.
  void forEach(const std::function<void(const ItemGroup &)> &each) const;

private:
  struct Key {
    std::string_view uid;
    const ItemComponent *item;
    std::uint32_t calendar;
    std::uint32_t file;
  };
  // The first component of an item with a UID, and where its keys begin.
  struct First {
    std::uint32_t file;
    std::uint32_t index;
    std::uint32_t keys;
  };

  ItemGroup groupAt(std::size_t keys) const;
  // The id of a component without a UID: its baseId, with "/1" added for as long as a UID of its
  // calendar gives that id. No baseId ends in "/1", so no two components share an id, and each
  // keeps its id from one reading to the next while the calendar's UIDs stay.
  std::string uidlessId(std::uint32_t file, const ItemComponent &item) const;
  bool hasUid(std::uint32_t calendar, std::string_view uid) const;

  const std::vector<CalendarFile> &files_;
  ComponentKind kind_;
  std::vector<std::uint32_t> calendars_; // of each file, the same for files of one name
  std::vector<Key> keys_;                // by calendar, UID, then file order
  std::vector<First> firsts_;            // in file order
  std::deque<std::string> uids_;         // those that read otherwise than written
};

} // namespace kit::events
