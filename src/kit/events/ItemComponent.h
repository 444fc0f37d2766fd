#pragma once

#include "kit/events/BlockList.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace kit::events {

// The properties the readers take from an event or a to-do; every other one is passed over.
enum class PropertyName : std::uint8_t {
  uid,
  summary,
  location,
  status,
  dtstart,
  dtend,
  duration,
  due,
  completed,
  recurrenceId,
  rrule,
  rdate,
  exdate,
};

// One value of a property as the file writes it, folding undone, with the parameters the readers
// use. A property holding a list (RDATE, EXDATE) gives one of these per value. It views what the
// file's items keep (ItemProperties), and is good for as long as that is.
struct Property {
  PropertyName name = PropertyName::uid;
  // VALUE=PERIOD: the value is a start and an end or a duration. A day or a time is told by its
  // form, whatever VALUE says, as libical reads it.
  bool periodValue = false;
  std::string_view tzid; // the TZID parameter, quotes taken off
  std::string_view value;

  bool operator==(const Property &) const = default;
};

// What the items of one text keep of their properties, in file order: the values and zones in
// blocks of text, and a few bytes for each line. A list is kept as written, one line, and read
// value by value, so a value costs no more than its own bytes and the comma before it.
class ItemProperties {
public:
  // For a text of `size` bytes, which it keeps no more of.
  explicit ItemProperties(std::size_t size);
  ItemProperties(const ItemProperties &) = delete;
  ItemProperties &operator=(const ItemProperties &) = delete;

  void add(PropertyName name, bool periodValue, std::string_view tzid, std::string_view value);

  std::size_t size() const { return lines_.size(); }

  // The line kept at `at`, a list whole.
  Property line(std::size_t at) const;

private:
  struct Line {
    const char *value;
    std::uint32_t size;
    std::uint32_t tzid; // an index into tzids_, one past it; none when 0
    PropertyName name;
    bool periodValue;
  };

  std::string_view keep(std::string_view text);

  BlockList<Line> lines_;
  // Lines in a row mostly name one zone: it is kept once for them.
  std::vector<std::string_view> tzids_;
  std::vector<std::unique_ptr<char[]>> blocks_;
  char *free_ = nullptr;
  std::size_t room_ = 0;
  std::size_t nextBlock_;
};

enum class ComponentKind : std::uint8_t { event, todo };

// A VEVENT or VTODO directly inside a VCALENDAR, with the properties it gives in file order.
// Properties that hold one value are kept only where they first appear, as only that one is read.
struct ItemComponent {
  // Its properties: the lines of `kept` from `firstProperty` on.
  const ItemProperties *kept = nullptr;
  std::uint32_t firstProperty = 0;
  std::uint32_t propertyCount = 0;
  ComponentKind kind = ComponentKind::event;
  // Its position among the file's components of its kind.
  std::uint32_t index = 0;
  // Without a UID: its position among the file's components of its kind that have none.
  std::uint32_t uidlessIndex = 0;

  std::optional<Property> first(PropertyName name) const;
  std::vector<Property> all(PropertyName name) const;
  // Every value it keeps, in file order.
  std::vector<Property> properties() const;
};

using ItemList = BlockList<ItemComponent>;

} // namespace kit::events
