#include "Shared/Data/Models/PowerSnapshot.h"

#include "kit/foundation/Calendar.h"
#include "kit/foundation/Clock.h"

namespace zavel {

namespace {

PowerSnapshot makeSample() {
  auto calendar = kit::foundation::Calendar::current();
  auto now = kit::foundation::systemNow();
  auto today = [&](int hour, int minute) {
    return calendar.dateBySettingTime(hour, minute, 0, now);
  };
  return {68,
          false,
          "2H 40M",
          {{"MacBook", 68}, {"Keyboard", 84}, {"Mouse", 12}},
          {{today(7, 40), "Fully charged at 100%", false},
           {today(8, 15), "Disconnected · Drain 9%/h", false},
           {today(16, 32), "68% · 2H 40M remaining", true}}};
}

} // namespace

const PowerSnapshot &PowerSnapshot::sample() {
  static const PowerSnapshot snapshot = makeSample();
  return snapshot;
}

} // namespace zavel
