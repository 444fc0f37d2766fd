#include "Shared/Theme/ThemeStore.h"

#include "Shared/Data/SharedSuite.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using kit::foundation::Data;
using kit::foundation::DefaultsValue;
using zavel::ThemeSettings;
using zavel::ThemeStore;

namespace {

TEST(ThemeStore, ReadsTheRecordAnewAtEveryCallAndAnythingButARecordAsTheDefault) {
  zavel::test::TempHome home;
  EXPECT_EQ(ThemeStore::current(), ThemeSettings{});
  const std::pair<DefaultsValue, ThemeSettings::Casing> cases[] = {
      {Data{R"({"accent":{"teal":{}},"casing":"cream"})"}, ThemeSettings::Casing::cream},
      {Data{R"(["cream"])"}, ThemeSettings::Casing::graphite},
      {Data{R"({"casing":"cream"})"}, ThemeSettings::Casing::cream},
      {Data{"{\"casing\":\"cream\""}, ThemeSettings::Casing::graphite},        // cut short
      {std::string(R"({"casing":"cream"})"), ThemeSettings::Casing::graphite}, // text, not data
      {int64_t{1}, ThemeSettings::Casing::graphite},
  };
  for (const auto &[stored, casing] : cases) {
    ASSERT_TRUE(zavel::SharedSuite::open().set(ThemeStore::key, stored));
    EXPECT_EQ(ThemeStore::current(home.path()).casing, casing) << stored.index();
  }
}

} // namespace
