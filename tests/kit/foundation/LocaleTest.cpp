#include "kit/foundation/Locale.h"

#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

using kit::foundation::Locale;
using kit::foundation::localeIdentifierOfPosixName;
using kit::foundation::MeasurementSystem;
using zavel::test::ScopedEnvironment;

TEST(Locale, PosixNamesBecomeLocaleIdentifiers) {
  for (auto [name, identifier] : {std::pair{"de_DE.UTF-8", "de_DE"},
                                  {"C.UTF-8", "en_US_POSIX"},
                                  {"", "en_US_POSIX"},
                                  {"sr_RS@latin", "sr_RS"}})
    EXPECT_EQ(localeIdentifierOfPosixName(name), identifier) << name;
}

TEST(Locale, CurrentLocaleTakesLcAllThenLcTimeThenLang) {
  using Value = std::optional<std::string>;
  auto current = [](Value all, Value time, Value lang) {
    ScopedEnvironment environment({{"LC_ALL", all}, {"LC_TIME", time}, {"LANG", lang}});
    return Locale::current().identifier();
  };
  EXPECT_EQ(current("fr_FR.UTF-8", "de_DE", "en_GB"), "fr_FR");
  EXPECT_EQ(current({}, "de_DE", "en_GB"), "de_DE");
  EXPECT_EQ(current({}, {}, "en_GB.UTF-8"), "en_GB");
  EXPECT_EQ(current({}, {}, {}), "en_US_POSIX");
}

TEST(Locale, MeasurementSystemFollowsTheRegion) {
  using enum MeasurementSystem;
  for (auto [locale, system] : {std::pair{"en_US", us}, {"fr_CA", metric}})
    EXPECT_EQ(Locale(locale).measurementSystem(), system) << locale;
}
