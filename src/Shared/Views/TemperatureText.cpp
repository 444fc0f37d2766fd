#include "Shared/Views/TemperatureText.h"

#include <fmt/format.h>

namespace zavel {

std::string temperatureText(int64_t temperature) { return fmt::format("{}°", temperature); }

} // namespace zavel
