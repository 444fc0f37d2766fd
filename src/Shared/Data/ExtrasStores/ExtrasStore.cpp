#include "Shared/Data/ExtrasStores/ExtrasStore.h"

#include "Shared/Data/DayFormat.h"
#include "kit/foundation/Calendar.h"
#include "kit/foundation/Saturating.h"

#include <algorithm>

namespace zavel::ExtrasStore {

using kit::foundation::saturatingAdd;

namespace {

using kit::foundation::Clock;
using kit::foundation::Date;

constexpr int kWeekDays = 7;

int64_t goal(std::string_view key, int64_t fallback, const std::filesystem::path &home) {
  int64_t stored = SharedSuite::open(home).integer(key);
  return stored > 0 ? stored : fallback;
}

// The day strings of the week that holds `now`, Monday first.
std::vector<std::string> weekDays(Date now) {
  auto calendar = kit::foundation::Calendar::current();
  Date start = calendar.startOfWeekStartingMonday(now);
  std::vector<std::string> days;
  for (int offset = 0; offset < kWeekDays; ++offset)
    days.push_back(dayString(calendar.addingDays(offset, start)));
  return days;
}

int64_t daysCheckedIn(const HabitItem &habit, const std::vector<std::string> &days) {
  return std::count_if(days.begin(), days.end(),
                       [&](const std::string &day) { return habit.checkins.contains(day); });
}

} // namespace

std::shared_ptr<const kit::foundation::DateFormatter> dayFormat() { return zavel::dayFormat(); }

std::string counterKey(std::string_view name, std::string_view day) {
  return "zavel.counter." + std::string(name) + "." + std::string(day);
}

CounterSnapshot counter(std::string_view name, int64_t goal, const Clock &clock,
                        const std::filesystem::path &home) {
  auto key = counterKey(name, dayString(clock.now()));
  return {SharedSuite::open(home).integer(key), goal};
}

bool addToCounter(std::string_view name, int64_t amount, const Clock &clock,
                  const std::filesystem::path &home) {
  // One key for the read and the write, even when midnight passes between them.
  auto key = counterKey(name, dayString(clock.now()));
  return SharedSuite::update(
      key,
      [&](const std::optional<kit::foundation::DefaultsValue> &stored) {
        auto count = stored ? kit::foundation::numberOf(*stored) : int64_t{0};
        // Something other than a number is not a count of ours to replace.
        if (!count)
          return kit::foundation::DefaultsChange::keep();
        int64_t sum = saturatingAdd(*count, amount);
        return kit::foundation::DefaultsChange::replace(std::max<int64_t>(sum, 0));
      },
      home);
}

int64_t waterGoal(const std::filesystem::path &home) { return goal(waterGoalKey, 8, home); }

int64_t stepsGoal(const std::filesystem::path &home) { return goal(stepsGoalKey, 10000, home); }

std::vector<HabitItem> habits(const std::filesystem::path &home) {
  return read<std::vector<HabitItem>>(habitsKey, home).value_or(HabitItem::samples());
}

bool toggleHabitToday(const kit::foundation::UUID &id, const Clock &clock,
                      const std::filesystem::path &home) {
  auto today = dayString(clock.now());
  return SharedSuite::updateRecord<std::vector<HabitItem>>(
      habitsKey,
      [&](std::optional<std::vector<HabitItem>> &stored) {
        if (!stored)
          stored = HabitItem::samples();
        auto habit = std::find_if(stored->begin(), stored->end(),
                                  [&](const HabitItem &item) { return item.id == id; });
        if (habit == stored->end())
          return false;
        if (!habit->checkins.erase(today))
          habit->checkins.insert(today);
        return true;
      },
      home, SharedSuite::Unreadable::isKept);
}

std::vector<HabitWeekRow> habitWeek(const Clock &clock, const std::filesystem::path &home) {
  auto days = weekDays(clock.now());
  std::vector<HabitWeekRow> rows;
  for (const auto &habit : habits(home))
    rows.push_back({habit.id, habit.name, daysCheckedIn(habit, days), kWeekDays});
  return rows;
}

} // namespace zavel::ExtrasStore
