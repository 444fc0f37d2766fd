#pragma once

#include "kit/foundation/JsonCoding.h"

#include <string_view>

namespace zavel::WeatherProvider {

// A service's answer read as `T`; throws kit::foundation::DecodeError, naming what is wrong,
// when the body is not JSON of that form.
template <class T> T decodeAnswer(std::string_view body) {
  auto json = kit::foundation::parseJson(body);
  if (!json)
    throw kit::foundation::DecodeError("the answer is not JSON");
  return kit::foundation::decodeJson<T>(*json);
}

} // namespace zavel::WeatherProvider
