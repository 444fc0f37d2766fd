#include "kit/foundation/Locale.h"

#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

using kit::foundation::Locale;
using kit::foundation::localeIdentifierOfPosixName;
using kit::foundation::MeasurementSystem;
using zavel::test::ScopedEnvironment;

TEST(Locale, PosixNamesBecomeLocaleIdentifiers) {
  struct Case {
    const char *name;
    const char *identifier;
  } cases[] = {
      {"de_DE.UTF-8", "de_DE"}, {"C", "en_US_POSIX"},    {"C.UTF-8", "en_US_POSIX"},
      {"POSIX", "en_US_POSIX"}, {"", "en_US_POSIX"},     {"sr_RS@latin", "sr_RS"},
      {"en_GB", "en_GB"},       {"th_TH.utf8", "th_TH"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(localeIdentifierOfPosixName(c.name), c.identifier) << c.name;
}

TEST(Locale, CurrentLocaleTakesLcAllThenLcTimeThenLang) {
  struct Case {
    std::optional<std::string> all, time, lang;
    const char *expected;
  } cases[] = {
      {"fr_FR.UTF-8", "de_DE", "en_GB", "fr_FR"},
      {"", "de_DE", "en_GB", "de_DE"},
      {std::nullopt, std::nullopt, "en_GB.UTF-8", "en_GB"},
      {std::nullopt, std::nullopt, "C.UTF-8", "en_US_POSIX"},
      {std::nullopt, std::nullopt, std::nullopt, "en_US_POSIX"},
  };
  for (const auto &c : cases) {
    ScopedEnvironment environment({{"LC_ALL", c.all}, {"LC_TIME", c.time}, {"LANG", c.lang}});
    EXPECT_EQ(Locale::current().identifier(), c.expected);
  }
}

TEST(Locale, MeasurementSystemFollowsTheRegion) {
  struct Case {
    const char *locale;
    MeasurementSystem system;
  } cases[] = {
      {"en_US", MeasurementSystem::us},     {"en_US_POSIX", MeasurementSystem::us},
      {"es_US", MeasurementSystem::us},     {"en_LR", MeasurementSystem::us},
      {"en_GB", MeasurementSystem::uk},     {"de_DE", MeasurementSystem::metric},
      {"fr_CA", MeasurementSystem::metric}, {"ja", MeasurementSystem::metric},
  };
  for (const auto &c : cases)
    EXPECT_EQ(Locale(c.locale).measurementSystem(), c.system) << c.locale;
}
