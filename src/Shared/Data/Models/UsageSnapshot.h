#pragma once

#include "kit/foundation/JsonCoding.h"

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

namespace zavel {

// What the screen-time widgets show: today's total against the budget, the most used apps and
// the last seven days.
struct UsageSnapshot {
  // One of today's most used apps; its name is its identity.
  struct App {
    // As the host application logs it.
    std::string name;
    int64_t minutes = 0;
    // The highlighted row.
    bool isFlagged = false;

    const std::string &id() const { return name; }
    bool operator==(const App &) const = default;
    static constexpr auto jsonFields() {
      using kit::foundation::field;
      return std::tuple{field("name", &App::name), field("minutes", &App::minutes),
                        field("isFlagged", &App::isFlagged)};
    }
  };

  // One day of the week strip; its label is its identity.
  struct Day {
    // Short weekday name in the current locale.
    std::string label;
    int64_t minutes = 0;
    bool isToday = false;
    // The first day with the week's largest positive minutes.
    bool isPeak = false;

    const std::string &id() const { return label; }
    bool operator==(const Day &) const = default;
    static constexpr auto jsonFields() {
      using kit::foundation::field;
      return std::tuple{field("label", &Day::label), field("minutes", &Day::minutes),
                        field("isToday", &Day::isToday), field("isPeak", &Day::isPeak)};
    }
  };

  // Today's screen time in whole minutes.
  int64_t totalMinutes = 0;
  // The daily budget the caller asked with.
  int64_t budgetMinutes = 0;
  // Most used first; at most 3.
  std::vector<App> apps;
  // Oldest first, today last.
  std::vector<Day> week;

  bool operator==(const UsageSnapshot &) const = default;

  // The preview snapshot, built once per process.
  static const UsageSnapshot &sample();

  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{field("totalMinutes", &UsageSnapshot::totalMinutes),
                      field("budgetMinutes", &UsageSnapshot::budgetMinutes),
                      field("apps", &UsageSnapshot::apps), field("week", &UsageSnapshot::week)};
  }
};

} // namespace zavel
