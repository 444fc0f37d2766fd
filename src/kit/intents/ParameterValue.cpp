#include "kit/intents/ParameterValue.h"

#include "kit/foundation/Iso8601.h"

#include <cmath>

namespace kit::intents {

foundation::Json ParameterValue<foundation::Date>::encode(foundation::Date value) {
  double seconds = value.secondsSinceReferenceDate;
  return foundation::iso8601String(value, std::floor(seconds) != seconds);
}

std::optional<foundation::Date>
ParameterValue<foundation::Date>::decode(const foundation::Json &json) {
  auto date = foundation::dateFromIso8601(foundation::decodeJson<std::string>(json));
  if (!date)
    throw foundation::DecodeError(
        "expected an ISO 8601 date and time, such as 2027-06-01T09:00:00Z");
  return date;
}

} // namespace kit::intents
