#include "Shared/Data/WidgetIntents/TempUnitOption.h"

#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zavel {
namespace {

using kit::intents::AppEnumDefinition;

TEST(TempUnitOption, CasesInOrderWithTheirRawValuesAndTitles) {
  EXPECT_EQ(kit::intents::typeDisplayRepresentation<TempUnitOption>(), "Units");
  std::vector<std::string> raw;
  std::vector<std::string> titles;
  for (const auto &entry : AppEnumDefinition<TempUnitOption>::cases) {
    raw.emplace_back(entry.rawValue);
    titles.emplace_back(entry.displayName);
  }
  EXPECT_EQ(raw, (std::vector<std::string>{"system", "celsius", "fahrenheit"}));
  EXPECT_EQ(titles, (std::vector<std::string>{"Follow system", "Celsius", "Fahrenheit"}));
  EXPECT_EQ(kit::intents::fromRawValue<TempUnitOption>("Fahrenheit"), std::nullopt);
}

TEST(TempUnitOption, FahrenheitByChoiceOrByAUSLocale) {
  WeatherSnapshot twenty = WeatherSnapshot::sample();
  twenty.temperature = 20;
  struct Case {
    TempUnitOption unit;
    const char *locale;
    int64_t expected;
  } cases[] = {
      {TempUnitOption::system, "en_US", 68},     {TempUnitOption::system, "de_DE", 20},
      {TempUnitOption::system, "en_GB", 20},     {TempUnitOption::system, "C", 68},
      {TempUnitOption::celsius, "en_US", 20},    {TempUnitOption::celsius, "de_DE", 20},
      {TempUnitOption::fahrenheit, "en_US", 68}, {TempUnitOption::fahrenheit, "de_DE", 68},
  };
  for (const auto &c : cases) {
    test::ScopedLocaleAndZone locale(c.locale, "UTC");
    WeatherSnapshot shown = localized(c.unit, twenty);
    EXPECT_EQ(shown.temperature, c.expected) << kit::intents::rawValue(c.unit) << " " << c.locale;
    EXPECT_EQ(shown, c.expected == 20 ? twenty : twenty.inFahrenheit());
  }
}

} // namespace
} // namespace zavel
