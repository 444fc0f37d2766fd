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
                                  {"sr_RS@latin", "sr_RS"},
                                  {"th_TH.utf8", "th_TH"}})
    EXPECT_EQ(localeIdentifierOfPosixName(name), identifier) << name;
}

TEST(Locale, CurrentLocaleTakesLcAllThenLcTimeThenLang) {
  struct Case {
    std::optional<std::string> all, time, lang;
    const char *expected;
  } cases[] = {
      {"fr_FR.UTF-8", "de_DE", "en_GB", "fr_FR"},
      {std::nullopt, std::nullopt, "en_GB.UTF-8", "en_GB"},
      {std::nullopt, std::nullopt, std::nullopt, "en_US_POSIX"},
  };
  for (const auto &c : cases) {
    ScopedEnvironment environment({{"LC_ALL", c.all}, {"LC_TIME", c.time}, {"LANG", c.lang}});
    EXPECT_EQ(Locale::current().identifier(), c.expected);
  }
}

TEST(Locale, MeasurementSystemFollowsTheRegion) {
  using enum MeasurementSystem;
  for (auto [locale, system] : {std::pair{"en_US", us}, {"en_GB", uk}, {"fr_CA", metric}})
    EXPECT_EQ(Locale(locale).measurementSystem(), system) << locale;
}
