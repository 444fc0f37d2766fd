#include "Shared/Views/HealthViews/UpperHM.h"

#include <fmt/format.h>

namespace zavel {

std::string upperHM(int64_t minutes, std::string_view separator, std::string_view unit) {
  if (minutes < 60)
    return fmt::format("{}{}", minutes, unit);
  return fmt::format("{}{}{}{}", minutes / 60, separator, minutes % 60, unit);
}

} // namespace zavel
