#pragma once

// Strict JSON coding of records: the rules every stored record and service answer follows.
// - Integers accept whole numbers in the type's range (3, 3.0, 1e2; not 2.5, true or "3").
// - Doubles accept any finite number; booleans only true and false; strings only strings.
// - Dates are numbers of seconds since 2001-01-01 00:00:00 UTC; UUIDs canonical strings.
// - A required member that is missing or null fails the whole record; an optional one reads as
//   none, and is left out when written. Unknown members are ignored.
// - Numbers that are not finite and text that is not UTF-8 cannot be encoded.
// - Text nested deeper than `largestJsonNesting` is not read at all.
//
// A record lists its fields once and gets both directions:
//   struct NoteItem {
//     UUID id; std::string text; std::optional<Date> due;
//     static constexpr auto jsonFields() {
//       using kit::foundation::field;
//       return std::tuple{field("id", &NoteItem::id), field("text", &NoteItem::text),
//                         field("due", &NoteItem::due)};
//     }
//   };
// A type with a form of its own specialises JsonCoder<T> with encode and decode.

#include "kit/foundation/Date.h"
#include "kit/foundation/UUID.h"

#include <concepts>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

namespace kit::foundation {

using Json = nlohmann::json;

// A value that lacks the form its type requires.
struct DecodeError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A value that has no JSON form.
struct EncodeError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// How a type is written to and read from JSON: `static Json encode(const T &)` and
// `static T decode(const Json &)`, throwing EncodeError or DecodeError.
template <class T> struct JsonCoder;

template <class T> Json encodeJson(const T &value) { return JsonCoder<T>::encode(value); }
template <class T> T decodeJson(const Json &json) { return JsonCoder<T>::decode(json); }

// The object itself, or DecodeError when `json` is not an object.
const Json &requireObject(const Json &json);

// Member readers for hand-written coders; `object` must be an object.
template <class T> T requiredMember(const Json &object, std::string_view name);
template <class T> std::optional<T> optionalMember(const Json &object, std::string_view name);

// One stored field of a record: its member name and the member it codes.
template <class Record, class Value> struct JsonField {
  std::string_view name;
  Value Record::*member;
};

template <class Record, class Value>
constexpr JsonField<Record, Value> field(std::string_view name, Value Record::*member) {
  return {name, member};
}

// Compact UTF-8 text of `json`; EncodeError when it holds a number that is not finite or text
// that is not UTF-8.
std::string jsonText(const Json &json);

// The JSON value of `text`, or none when it is not JSON or nests deeper than
// `largestJsonNesting`.
std::optional<Json> parseJson(std::string_view text);

// The value's JSON text, or none when it cannot be encoded.
template <class T> std::optional<std::string> encodeJsonData(const T &value) noexcept;

// The value read from JSON text, or none when `parseJson` refuses the text or it is not of the
// type's form.
template <class T> std::optional<T> decodeJsonData(std::string_view text) noexcept;

// ---- Implementation -------------------------------------------------------------------------

namespace detail {
template <class T> struct IsOptional : std::false_type {};
template <class T> struct IsOptional<std::optional<T>> : std::true_type {};

template <class T>
concept HasJsonFields = requires {
  T::jsonFields();
};

double finiteNumber(const Json &json);
int64_t wholeNumber(const Json &json);
uint64_t wholeUnsignedNumber(const Json &json);
const Json *member(const Json &object, std::string_view name);
[[noreturn]] void failMember(std::string_view name, const DecodeError &error);

template <class Container> Json encodeArray(const Container &values) {
  Json array = Json::array();
  for (const auto &value : values)
    array.push_back(JsonCoder<typename Container::value_type>::encode(value));
  return array;
}
} // namespace detail

template <> struct JsonCoder<bool> {
  static Json encode(bool value) { return value; }
  static bool decode(const Json &json);
};

template <std::integral Int>
requires(!std::same_as<Int, bool>) struct JsonCoder<Int> {
  static Json encode(Int value) { return value; }
  static Int decode(const Json &json) {
    if constexpr (std::is_unsigned_v<Int>) {
      uint64_t value = detail::wholeUnsignedNumber(json);
      if (std::in_range<Int>(value))
        return static_cast<Int>(value);
    } else {
      int64_t value = detail::wholeNumber(json);
      if (std::in_range<Int>(value))
        return static_cast<Int>(value);
    }
    throw DecodeError("integer out of range");
  }
};

template <> struct JsonCoder<double> {
  static Json encode(double value);
  static double decode(const Json &json) { return detail::finiteNumber(json); }
};

template <> struct JsonCoder<std::string> {
  static Json encode(const std::string &value) { return value; }
  static std::string decode(const Json &json);
};

template <> struct JsonCoder<Date> {
  static Json encode(Date value) {
    return JsonCoder<double>::encode(value.secondsSinceReferenceDate);
  }
  static Date decode(const Json &json) { return Date{detail::finiteNumber(json)}; }
};

template <> struct JsonCoder<UUID> {
  static Json encode(const UUID &value) { return value.uuidString(); }
  static UUID decode(const Json &json);
};

// Raw JSON passes through, for readers that pick their own way through a value.
template <> struct JsonCoder<Json> {
  static Json encode(const Json &value) { return value; }
  static Json decode(const Json &json) { return json; }
};

// Inside arrays and dictionaries an absent value is null.
template <class T> struct JsonCoder<std::optional<T>> {
  static Json encode(const std::optional<T> &value) {
    return value ? JsonCoder<T>::encode(*value) : Json(nullptr);
  }
  static std::optional<T> decode(const Json &json) {
    if (json.is_null())
      return std::nullopt;
    return JsonCoder<T>::decode(json);
  }
};

template <class T> struct JsonCoder<std::vector<T>> {
  static Json encode(const std::vector<T> &values) { return detail::encodeArray(values); }
  static std::vector<T> decode(const Json &json) {
    if (!json.is_array())
      throw DecodeError("expected an array");
    std::vector<T> values;
    values.reserve(json.size());
    for (const auto &element : json)
      values.push_back(JsonCoder<T>::decode(element));
    return values;
  }
};

// A set is an array in no particular order; duplicates collapse when read.
template <class T> struct JsonCoder<std::set<T>> {
  static Json encode(const std::set<T> &values) { return detail::encodeArray(values); }
  static std::set<T> decode(const Json &json) {
    if (!json.is_array())
      throw DecodeError("expected an array");
    std::set<T> values;
    for (const auto &element : json)
      values.insert(JsonCoder<T>::decode(element));
    return values;
  }
};

template <class T> struct JsonCoder<std::map<std::string, T>> {
  static Json encode(const std::map<std::string, T> &values) {
    Json object = Json::object();
    for (const auto &[key, value] : values)
      object[key] = JsonCoder<T>::encode(value);
    return object;
  }
  static std::map<std::string, T> decode(const Json &json) {
    std::map<std::string, T> values;
    for (const auto &[key, value] : requireObject(json).items())
      values.emplace(key, JsonCoder<T>::decode(value));
    return values;
  }
};

template <detail::HasJsonFields Record> struct JsonCoder<Record> {
  static Json encode(const Record &record) {
    Json object = Json::object();
    std::apply([&](const auto &...fields) { (encodeField(object, record, fields), ...); },
               Record::jsonFields());
    return object;
  }
  static Record decode(const Json &json) {
    requireObject(json);
    Record record{};
    std::apply([&](const auto &...fields) { (decodeField(json, record, fields), ...); },
               Record::jsonFields());
    return record;
  }

private:
  template <class Value>
  static void encodeField(Json &object, const Record &record, JsonField<Record, Value> field) {
    const Value &value = record.*field.member;
    if constexpr (detail::IsOptional<Value>::value) {
      if (!value)
        return;
    }
    object[std::string(field.name)] = JsonCoder<Value>::encode(value);
  }
  template <class Value>
  static void decodeField(const Json &object, Record &record, JsonField<Record, Value> field) {
    if constexpr (detail::IsOptional<Value>::value)
      record.*field.member = optionalMember<typename Value::value_type>(object, field.name);
    else
      record.*field.member = requiredMember<Value>(object, field.name);
  }
};

template <class T> T requiredMember(const Json &object, std::string_view name) {
  const Json *value = detail::member(object, name);
  if (!value || value->is_null())
    throw DecodeError("missing member \"" + std::string(name) + "\"");
  try {
    return JsonCoder<T>::decode(*value);
  } catch (const DecodeError &error) {
    detail::failMember(name, error);
  }
}

template <class T> std::optional<T> optionalMember(const Json &object, std::string_view name) {
  const Json *value = detail::member(object, name);
  if (!value || value->is_null())
    return std::nullopt;
  try {
    return JsonCoder<T>::decode(*value);
  } catch (const DecodeError &error) {
    detail::failMember(name, error);
  }
}

template <class T> std::optional<std::string> encodeJsonData(const T &value) noexcept {
  try {
    return jsonText(JsonCoder<T>::encode(value));
  } catch (const std::exception &) {
    return std::nullopt;
  }
}

template <class T> std::optional<T> decodeJsonData(std::string_view text) noexcept {
  try {
    auto json = parseJson(text);
    if (!json)
      return std::nullopt;
    return JsonCoder<T>::decode(*json);
  } catch (const std::exception &) {
    return std::nullopt;
  }
}

} // namespace kit::foundation
