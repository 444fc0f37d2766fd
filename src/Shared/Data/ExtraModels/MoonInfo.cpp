#include "Shared/Data/ExtraModels/MoonInfo.h"

namespace zavel {

std::string MoonInfo::detail() const {
  if (daysToFull == 0)
    return "Full moon tonight";
  if (daysToNew == 0)
    return "New moon tonight";
  if (waxing)
    return "Full in " + std::to_string(daysToFull) + " days";
  return "New in " + std::to_string(daysToNew) + " days";
}

const MoonInfo &MoonInfo::sample() {
  static const MoonInfo sample{"Waxing Gibbous", 0.78, true, 6, 21};
  return sample;
}

} // namespace zavel
