#pragma once

#include "Shared/Data/ExtraModels/CounterSnapshot.h"
#include "Shared/Data/ExtraModels/HabitItem.h"
#include "Shared/Data/ExtraModels/HabitWeekRow.h"
#include "Shared/Data/SharedSuite.h"
#include "kit/foundation/Clock.h"
#include "kit/foundation/DateFormatter.h"
#include "kit/foundation/UUID.h"
#include "kit/foundation/ZavelHome.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The state of the productivity and health widgets, kept in the shared suite: the focus timer,
// the stopwatch, the habits with their daily check-ins, the daily counters and their goals.
// Nothing is cached: every call reads the suite afresh.
namespace zavel::ExtrasStore {

inline constexpr std::string_view focusKey = "zavel.focus.v1";
inline constexpr std::string_view stopwatchKey = "zavel.stopwatch.v1";
inline constexpr std::string_view habitsKey = "zavel.habits.v1";
// Written by the host application only.
inline constexpr std::string_view waterGoalKey = "zavel.watergoal";
inline constexpr std::string_view stepsGoalKey = "zavel.stepsgoal";

// Records are JSON data: `read<FocusSession>(focusKey)`, `write(focusKey, session)`. A change
// that depends on the stored record reads and writes it in one go:
// `updateRecord<FocusSession>(focusKey, [](std::optional<FocusSession> &focus) {…})`.
using SharedSuite::read;
using SharedSuite::updateRecord;
using SharedSuite::write;

// The formatter of the day strings of counters and check-ins.
std::shared_ptr<const kit::foundation::DateFormatter> dayFormat();

// "zavel.counter.<name>.<day>": one counter's key for one day.
std::string counterKey(std::string_view name, std::string_view day);

// Today's value of the counter, with `goal` as given.
CounterSnapshot counter(std::string_view name, int64_t goal,
                        const kit::foundation::Clock &clock = kit::foundation::Clock(),
                        const std::filesystem::path &home = kit::foundation::zavelHome());

// Adds `amount` (negative takes away) to today's value. The stored value never goes below 0 and
// stops at the largest integer instead of overflowing. Additions at the same moment, in any
// process, all count. A stored value that is no number (data, a list, a word) stays as it is.
// False when nothing was written.
bool addToCounter(std::string_view name, int64_t amount,
                  const kit::foundation::Clock &clock = kit::foundation::Clock(),
                  const std::filesystem::path &home = kit::foundation::zavelHome());

// Glasses of water per day: the host's goal when above 0, else 8.
int64_t waterGoal(const std::filesystem::path &home = kit::foundation::zavelHome());
// Steps per day: the host's goal when above 0, else 10000.
int64_t stepsGoal(const std::filesystem::path &home = kit::foundation::zavelHome());

// The stored habits in their order; the sample habits when none are stored or they are
// unreadable.
std::vector<HabitItem> habits(const std::filesystem::path &home = kit::foundation::zavelHome());

// Checks the first habit with `id` in for today, or takes today's check-in back, and stores the
// whole list in its order, in one write that no other writer's comes between. No habit with that
// id: nothing is written. With no list stored, the sample habits with the check-in become the
// list; a stored list that cannot be read is the user's and stays exactly as it is. False when
// nothing was written.
bool toggleHabitToday(const kit::foundation::UUID &id,
                      const kit::foundation::Clock &clock = kit::foundation::Clock(),
                      const std::filesystem::path &home = kit::foundation::zavelHome());

// One row per habit, in list order: how many days of the current week (Monday to Sunday) hold a
// check-in, out of 7.
std::vector<HabitWeekRow>
habitWeek(const kit::foundation::Clock &clock = kit::foundation::Clock(),
          const std::filesystem::path &home = kit::foundation::zavelHome());

} // namespace zavel::ExtrasStore
