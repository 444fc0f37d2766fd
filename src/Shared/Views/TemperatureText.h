#pragma once

#include <cstdint>
#include <string>

namespace zavel {

// A temperature as the faces print it: whole degrees and "°", no unit letter ("23°", "-4°"); the
// unit is settled before the view.
std::string temperatureText(int64_t temperature);

} // namespace zavel
