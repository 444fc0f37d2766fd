#include "Widgets/ClockWidgets/ClockWidgets.h"
#include "Shared/Data/ClockFormat.h"
#include "Shared/Data/SharedSuite.h"
#include "Widgets/ZavelWidgetsBundle.h"
#include "kit/foundation/Iso8601.h"
#include "kit/ui/LayoutTesting.h"
#include "support/CLibraryZone.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <fmt/format.h>
#include <gtest/gtest.h>

namespace zavel {
namespace {

using kit::foundation::Json;
using kit::widgets::WidgetFamily;

// The texts a widget's face draws for a configuration at a fixed moment.
template <class Provider>
std::vector<std::string> faceTexts(const ZavelWidget<Provider> &widget, const char *json) {
  typename Provider::Entry entry{
      *kit::foundation::dateFromIso8601("2025-01-15T12:00:00Z"),
      kit::foundation::decodeJson<typename Provider::Intent>(Json::parse(json))};
  ZCtx ctx;
  ctx.size = widget.size;
  return kit::ui::testing::lay(widget.face(entry, ctx), {600, 300}).root.texts();
}

TEST(ClockWidgets, ZonesAndNamesAreWorkedOutFromTheConfigurationAtRender) {
  struct Case {
    const char *name = "";
    std::vector<std::string> texts;
    std::vector<std::string> expected;
  };
  test::TempHome home;
  test::ScopedLocaleAndZone device{"en_GB", "Europe/Berlin"};
  const Case cases[] = {
      {.name = "unconfigured strip: here, New York, Tokyo",
       .texts = faceTexts(ClockWorldStripWidget(), "{}"),
       .expected = {"BER", "13:00", "DAY", "NYC", "07:00", "DAY", "TYO", "21:00", "NIGHT"}},
      {.name = "a city 2 of no known zone shows here, not New York",
       .texts = faceTexts(ClockWorldStripWidget(), R"({"city2": "Mars/Olympus_Mons"})"),
       .expected = {"BER", "13:00", "DAY", "BER", "13:00", "DAY", "TYO", "21:00", "NIGHT"}},
      {.name = "unconfigured dual: here at home, Sydney away",
       .texts = faceTexts(ClockDualWidget(), "{}"),
       .expected = {"BERLIN", "13:00", "GMT+1 — DAY", "SYDNEY", "23:00", "GMT+11 — NIGHT"}},
      {.name = "names from the identifier's last piece",
       .texts = faceTexts(ClockDualWidget(),
                          R"({"home": "America/Argentina/Buenos_Aires", "away": "UTC"})"),
       .expected = {"BUENOS AIRES", "09:00", "GMT-3 — DAY", "UTC", "12:00", "GMT+0 — DAY"}},
      {.name = "Etc/GMT+5 named as written; an unknown away city is here, not Sydney",
       .texts = faceTexts(ClockDualWidget(), R"({"home": "Etc/GMT+5", "away": "Mars/Base"})"),
       .expected = {"GMT+5", "07:00", "GMT-5 — DAY", "BERLIN", "13:00", "GMT+1 — DAY"}},
      {.name = "a single-zone face in its city's zone",
       .texts = faceTexts(ClockColumnWidget(), R"({"city": "Asia/Tokyo"})"),
       .expected = {"21", "00", "GMT+9 — TOKYO"}},
  };
  for (const Case &c : cases)
    EXPECT_EQ(c.texts, c.expected) << c.name;
}

// The stacked clock shows the hour and minute `date` shows at 12:07 UTC on 15 January and 15 July
// 2026: in every zone of zone1970.tab chosen as its city, and in the machine's zone under TZ
// rules.
TEST(ClockWidgets, TheStackedClockShowsTheTimeTheCLibraryShowsInEveryZone) {
  test::TempHome home;
  ASSERT_TRUE(SharedSuite::open().set(ClockFormat::timeFormatKey, std::int64_t{24}));
  const std::vector<std::int64_t> moments{1768478820, 1784117220};
  auto texts = [&](std::int64_t moment, const std::string &configuration) {
    ClockProvider::Entry entry{
        kit::foundation::Date::fromUnixTime(double(moment)),
        kit::foundation::decodeJson<ClockConfigIntent>(Json::parse(configuration))};
    ZCtx ctx;
    ctx.size = ClockStackedWidget().size;
    return kit::ui::testing::lay(ClockStackedWidget().face(entry, ctx), {300, 300}).root.texts();
  };
  auto shows = [](const test::CLibraryReading &reading) {
    return std::vector<std::string>{fmt::format("{:02}", reading.hour),
                                    fmt::format("{:02}", reading.minute)};
  };
  int zones = 0;
  for (const auto &zone : test::zone1970Names()) {
    ++zones;
    auto readings = test::cLibraryReadings(zone, moments);
    ASSERT_EQ(readings.size(), 2u) << zone;
    for (std::size_t i = 0; i < moments.size(); ++i)
      EXPECT_EQ(texts(moments[i], R"({"city": ")" + zone + R"("})"), shows(readings[i]))
          << zone << " " << moments[i];
  }
  EXPECT_GE(zones, 300);
  for (const std::string rule : {"CET-1CEST,M3.5.0,M10.5.0/3", "JST-9", "EST5EDT,M3.2.0,M11.1.0"}) {
    test::ScopedEnvironment machine({{"TZ", rule}});
    auto readings = test::cLibraryReadings(rule, moments);
    ASSERT_EQ(readings.size(), 2u) << rule;
    for (std::size_t i = 0; i < moments.size(); ++i)
      EXPECT_EQ(texts(moments[i], "{}"), shows(readings[i])) << rule << " " << moments[i];
  }
}

} // namespace
} // namespace zavel
