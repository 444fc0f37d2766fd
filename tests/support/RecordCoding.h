#pragma once

#include "kit/foundation/JsonCoding.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zavel::test {

// Checks a record's JSON form both ways: the text the host application writes (any member order,
// lower-case ids, whole numbers as it likes) reads as `expected`; `expected` writes exactly the
// members of `written` and reads back equal.
template <class Record>
void expectJsonForm(const std::string &hostText, const Record &expected,
                    const std::string &written) {
  using namespace kit::foundation;
  EXPECT_EQ(decodeJsonData<Record>(hostText), expected) << hostText;
  auto text = encodeJsonData(expected);
  ASSERT_TRUE(text) << written;
  EXPECT_EQ(*parseJson(*text), *parseJson(written));
  EXPECT_EQ(decodeJsonData<Record>(*text), expected) << *text;
}

// A change to one member of a valid record's JSON: the member removed, or set to another value.
struct MemberChange {
  std::string member;
  std::optional<kit::foundation::Json> value; // none: removed
};

inline MemberChange removed(std::string member) { return {std::move(member), std::nullopt}; }
inline MemberChange replaced(std::string member, kit::foundation::Json value) {
  return {std::move(member), std::move(value)};
}

// Each change on its own makes `validText` unreadable as a whole.
template <class Record>
void expectEachChangeRejected(const std::string &validText,
                              const std::vector<MemberChange> &changes) {
  using namespace kit::foundation;
  auto valid = parseJson(validText);
  ASSERT_TRUE(valid && decodeJsonData<Record>(validText)) << validText;
  for (const auto &change : changes) {
    Json json = *valid;
    if (change.value)
      json[change.member] = *change.value;
    else
      json.erase(change.member);
    EXPECT_FALSE(decodeJsonData<Record>(json.dump())) << json.dump();
  }
}

} // namespace zavel::test
