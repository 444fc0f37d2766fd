#include "kit/foundation/JsonCoding.h"

#include "kit/foundation/JsonNesting.h"

#include <cmath>
#include <limits>

namespace kit::foundation {

namespace {

// 2^63: the first whole double beyond a signed 64-bit integer.
constexpr double kTwoToThe63 = 9223372036854775808.0;

void requireEncodable(const Json &json) {
  if (json.is_number_float() && !std::isfinite(json.get<double>()))
    throw EncodeError("number is not finite");
  if (json.is_structured())
    for (const auto &element : json)
      requireEncodable(element);
}

} // namespace

namespace detail {

double finiteNumber(const Json &json) {
  if (!json.is_number())
    throw DecodeError("expected a number");
  double value = json.get<double>();
  if (!std::isfinite(value))
    throw DecodeError("number is not finite");
  return value;
}

int64_t wholeNumber(const Json &json) {
  if (json.is_number_unsigned()) {
    uint64_t value = json.get<uint64_t>();
    if (value > static_cast<uint64_t>(std::numeric_limits<int64_t>::max()))
      throw DecodeError("integer out of range");
    return static_cast<int64_t>(value);
  }
  if (json.is_number_integer())
    return json.get<int64_t>();
  double value = finiteNumber(json);
  if (std::trunc(value) != value)
    throw DecodeError("number is not whole");
  if (value < -kTwoToThe63 || value >= kTwoToThe63)
    throw DecodeError("integer out of range");
  return static_cast<int64_t>(value);
}

uint64_t wholeUnsignedNumber(const Json &json) {
  if (json.is_number_unsigned())
    return json.get<uint64_t>();
  int64_t value = wholeNumber(json);
  if (value < 0)
    throw DecodeError("integer out of range");
  return static_cast<uint64_t>(value);
}

const Json *member(const Json &object, std::string_view name) {
  auto found = object.find(name);
  return found == object.end() ? nullptr : &*found;
}

void failMember(std::string_view name, const DecodeError &error) {
  throw DecodeError("member \"" + std::string(name) + "\": " + error.what());
}

} // namespace detail

const Json &requireObject(const Json &json) {
  if (!json.is_object())
    throw DecodeError("expected an object");
  return json;
}

bool JsonCoder<bool>::decode(const Json &json) {
  if (!json.is_boolean())
    throw DecodeError("expected true or false");
  return json.get<bool>();
}

Json JsonCoder<double>::encode(double value) {
  if (!std::isfinite(value))
    throw EncodeError("number is not finite");
  return value;
}

std::string JsonCoder<std::string>::decode(const Json &json) {
  if (!json.is_string())
    throw DecodeError("expected a string");
  return json.get<std::string>();
}

UUID JsonCoder<UUID>::decode(const Json &json) {
  auto uuid = UUID::fromString(JsonCoder<std::string>::decode(json));
  if (!uuid)
    throw DecodeError("expected a UUID");
  return *uuid;
}

std::string jsonText(const Json &json) {
  requireEncodable(json);
  try {
    return json.dump();
  } catch (const Json::type_error &error) {
    throw EncodeError(error.what());
  }
}

std::optional<Json> parseJson(std::string_view text) {
  if (!jsonNestsWithin(text))
    return std::nullopt;
  Json json = Json::parse(text, nullptr, false);
  if (json.is_discarded())
    return std::nullopt;
  return json;
}

} // namespace kit::foundation
