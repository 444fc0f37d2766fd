#pragma once

#include "kit/foundation/Calendar.h"
#include "kit/foundation/Date.h"
#include "kit/foundation/JsonCoding.h"

#include <optional>
#include <string>

namespace zavel {

// What the countdown counts down to, as its configuration names it.
struct CountdownData {
  std::string name;
  std::optional<kit::foundation::Date> target; // none until a date is picked

  // Whole local days from the day of `now` to the target's day: 0 for any time today, 1 for any
  // time tomorrow, negative for days past; a day with a clock change counts as one. None without
  // a target.
  std::optional<int>
  days(kit::foundation::Date now,
       const kit::foundation::Calendar &calendar = kit::foundation::Calendar::current()) const;

  // "Launch", twelve days after `now`.
  static CountdownData
  sampleAt(kit::foundation::Date now,
           const kit::foundation::Calendar &calendar = kit::foundation::Calendar::current());
  // What the gallery shows: the sample at the moment of its first use in the process.
  static const CountdownData &sample();

  bool operator==(const CountdownData &) const = default;
  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{field("name", &CountdownData::name), field("target", &CountdownData::target)};
  }
};

} // namespace zavel
