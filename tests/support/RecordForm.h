#pragma once

#include "kit/foundation/JsonCoding.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <string_view>

namespace zavel::test {

// A value of another JSON type than `value`'s, which a strict reader must refuse.
inline kit::foundation::Json mistyped(const kit::foundation::Json &value) {
  using kit::foundation::Json;
  if (value.is_string() || value.is_boolean())
    return 1;
  return value.is_number() ? Json("1") : value.is_array() ? Json::object() : Json::array();
}

// Checks a record's JSON form against a text written by hand as the host application writes
// it: the text reads as `expected`; `expected` writes the same members and reads back equal; a
// member named in `optionalMembers` may be missing or null; any other member missing or null,
// and any member of the wrong type, makes the record unreadable.
template <class Record>
void expectJsonForm(std::string_view text, const Record &expected,
                    const std::set<std::string> &optionalMembers) {
  using namespace kit::foundation;
  auto json = parseJson(text);
  ASSERT_TRUE(json && json->is_object()) << text;
  EXPECT_EQ(decodeJsonData<Record>(text), expected);
  auto written = encodeJsonData(expected);
  ASSERT_TRUE(written);
  EXPECT_EQ(*parseJson(*written), *json);
  EXPECT_EQ(decodeJsonData<Record>(*written), expected);

  for (const auto &[name, value] : json->items()) {
    SCOPED_TRACE(name);
    bool optional = optionalMembers.contains(name);
    Json without = *json;
    without.erase(name);
    EXPECT_EQ(decodeJsonData<Record>(without.dump()).has_value(), optional) << "left out";
    Json nulled = *json;
    nulled[name] = nullptr;
    EXPECT_EQ(decodeJsonData<Record>(nulled.dump()).has_value(), optional) << "null";
    Json wrong = *json;
    wrong[name] = mistyped(value);
    EXPECT_FALSE(decodeJsonData<Record>(wrong.dump())) << "of type " << wrong[name].type_name();
  }
  for (const auto &name : optionalMembers)
    EXPECT_TRUE(json->contains(name)) << "the text should hold optional member " << name;
}

} // namespace zavel::test
