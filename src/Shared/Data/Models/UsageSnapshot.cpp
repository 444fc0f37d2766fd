#include "Shared/Data/Models/UsageSnapshot.h"

namespace zavel {

const UsageSnapshot &UsageSnapshot::sample() {
  static const UsageSnapshot snapshot = {
      204,
      180,
      {{"Figma", 72, false}, {"Safari", 47, false}, {"Messages", 36, true}},
      {{"Thu", 250, false, false},
       {"Fri", 200, false, false},
       {"Sat", 300, false, false},
       {"Sun", 150, false, false},
       {"Mon", 250, false, false},
       {"Tue", 350, false, true},
       {"Wed", 204, true, false}},
  };
  return snapshot;
}

} // namespace zavel
