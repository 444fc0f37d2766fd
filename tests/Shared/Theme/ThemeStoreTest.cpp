#include "Shared/Theme/ThemeStore.h"

#include "Shared/Data/SharedSuite.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using kit::foundation::Data;
using kit::foundation::DefaultsValue;
using zavel::ThemeSettings;
using zavel::ThemeStore;
using zavel::test::TempHome;

namespace {

bool store(const DefaultsValue &value) {
  return zavel::SharedSuite::open().set(ThemeStore::key, value);
}

TEST(ThemeStore, ReadsTheRecordAnewAtEveryCall) {
  TempHome home;
  EXPECT_EQ(ThemeStore::current(), ThemeSettings{});

  ASSERT_TRUE(store(Data{R"({"accent":{"teal":{}},"casing":"cream","numerals":"dot"})"}));
  ThemeSettings expected{{ThemeSettings::Accent::Kind::teal, {}},
                         ThemeSettings::Casing::cream,
                         false,
                         ThemeSettings::NumeralStyle::dot};
  EXPECT_EQ(ThemeStore::current(), expected);
  EXPECT_EQ(ThemeStore::current(home.path()), expected);

  ASSERT_TRUE(store(Data{R"({"followSystemCasing":true})"}));
  EXPECT_TRUE(ThemeStore::current().followSystemCasing);
  EXPECT_EQ(ThemeStore::current().casing, ThemeSettings::Casing::graphite);
}

TEST(ThemeStore, AnythingButARecordObjectReadsAsTheDefaultTheme) {
  TempHome home;
  const DefaultsValue values[] = {
      Data{R"(["cream"])"},
      Data{"cream"},
      Data{R"("cream")"},
      Data{""},
      Data{"{\"casing\":\"cream\""},        // cut short
      std::string(R"({"casing":"cream"})"), // text, not data
      int64_t{1},
  };
  for (const auto &value : values) {
    ASSERT_TRUE(store(value));
    EXPECT_EQ(ThemeStore::current(), ThemeSettings{}) << value.index();
  }
}

} // namespace
