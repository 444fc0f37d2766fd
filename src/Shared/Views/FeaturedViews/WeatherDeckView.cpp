#include "Shared/Views/FeaturedViews/WeatherDeckView.h"

#include "Shared/Data/WidgetIntents/ToggleFavCityIntent.h"
#include "Shared/Data/WidgetIntents/WeatherDeckViewIntent.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/BarChart.h"
#include "Shared/Views/Deck.h"
#include "Shared/Views/FeaturedViews/WeatherDeckWeek.h"
#include "Shared/Views/Glyphs/KeyGlyphs.h"
#include "Shared/Views/Hardware/Bars.h"
#include "Shared/Views/Hardware/KeyButton.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/Hardware/NumeralFit.h"
#include "Shared/Views/Hardware/SunArc.h"
#include "Shared/Views/Hardware/SunCloudArt.h"
#include "Shared/Views/SpreadRow.h"
#include "Shared/Views/TemperatureText.h"
#include "kit/foundation/DateFormatter.h"
#include "kit/foundation/TextOperations.h"
#include "kit/intents/AppIntent.h"
#include "kit/ui/UI.h"

#include <array>
#include <optional>
#include <string_view>

namespace zavel {
namespace {

using namespace kit::ui;
using DeckState::WeatherView;
using kit::intents::intentReference;

constexpr DeckMetrics weatherDeck{
    .spacing = 14,
    .padding = 16,
    .contentVertical = 22,
    .contentHorizontal = 22,
    .rail = {.width = 96, .leadPad = 14, .topPad = 10, .keyGap = 12, .bottomPad = 16}};

constexpr Color conditionInk = hexColor("#ECECEA");
// The home chart's height, in design units.
constexpr double chartHeight = 112;

// Today as the screens name it.
struct Weekday {
  std::string name;  // in full, as the device's language writes it
  std::string label; // its first two characters, upper-cased
};

Weekday weekdayAt(kit::foundation::Date now) {
  using namespace kit::foundation;
  std::string name = DateFormatter("EEEE", Locale::current(), TimeZone::current()).string(now);
  return {name, uppercased(prefixCharacters(name, 2))};
}

View bigTemperature(int64_t temperature, double size, const ZCtx &ctx) {
  return numeralFit(Text(temperatureText(temperature)).font(ctx.mono(size, FontWeight::bold)))
      .foreground(ctx.accent);
}

View conditionRow(const WeatherSnapshot &snapshot, const ZCtx &ctx) {
  return HStack(VAlign::center, 9 * ctx.u,
                {
                    BoxPlusGlyph(15 * ctx.u).foreground(ZavelTokens::screenText2),
                    Text(kit::foundation::capitalized(snapshot.condition))
                        .font(ctx.mono(15, FontWeight::regular))
                        .foreground(conditionInk),
                });
}

// The bars' corners, in design units.
constexpr double barRadius = 7;

View chartBar(const WeatherDeckView::WeekBar &bar, const ZCtx &ctx) {
  double u = ctx.u;
  View filled = ChartBar(chartHeight * u * bar.pct, barRadius, ZavelTokens::dataTeal, ctx);
  if (bar.isToday)
    filled = filled.overlay(Circle().fill(ZavelTokens::barDot).frame(8 * u, 8 * u).offset(0, 3 * u),
                            Alignment::top);
  View track =
      RoundedRectangle(barRadius * u, RoundedCornerStyle::continuous).fill(ZavelTokens::track);
  return VStack(
      HAlign::center, 7 * u,
      {
          ZStack(Alignment::bottom, {track, filled}).frame(14 * u, chartHeight * u),
          // On one line at its own width, never wrapped under its bar.
          Text(bar.label)
              .font(ctx.mono(10, FontWeight::regular))
              .tracking(0.84 * u)
              .foreground(bar.isToday ? ZavelTokens::screenText1 : ZavelTokens::screenText3)
              .fixedSize(),
      });
}

// The bars spread across the chart; on a narrow screen they may close up.
View chartBars(const std::vector<WeatherDeckView::WeekBar> &bars, const ZCtx &ctx) {
  auto bar = [&](const WeatherDeckView::WeekBar &bar) { return chartBar(bar, ctx); };
  return SpreadRow(VAlign::center, bars, bar, 0);
}

View chartScale(const WeatherSnapshot &snapshot, const ZCtx &ctx) {
  using namespace WeatherDeckWeek;
  return VStack(HAlign::leading, 0, {Text(axisHigh(snapshot)), Spacer(), Text(axisLow(snapshot))})
      .font(ctx.mono(10, FontWeight::regular))
      .foreground(ZavelTokens::screenText3)
      .textRole(TextRole::data)
      .padding(Edge::bottom, ctx.u)
      .frame({.height = chartHeight * ctx.u});
}

View sunsetBlock(const WeatherDeckData &data, const ZCtx &ctx) {
  double u = ctx.u;
  return VStack(
      HAlign::leading, 0,
      {
          HStack(VAlign::center, 8 * u,
                 {
                     SunGlyph(13 * u).foreground(ZavelTokens::sunIcon),
                     MicroLabel("SUNSET", 11, 0.12, ZavelTokens::screenText2, ctx),
                 }),
          Text(data.sunsetLabel)
              .font(ctx.mono(22, FontWeight::bold))
              .textRole(TextRole::data)
              .padding(Edge::top, 3 * u),
          SunArc(data.sunT, {.height = 70, .sunRadius = 7}, ctx).padding(Edge::top, 4 * u),
      });
}

View home(const WeatherDeckData &data, const Weekday &weekday, const ZCtx &ctx) {
  double u = ctx.u;
  return VStack(
             HAlign::leading, 0,
             {
                 Text(weekday.name)
                     .font(ctx.mono(13, FontWeight::regular))
                     .foreground(ZavelTokens::screenText2),
                 bigTemperature(data.snapshot.temperature, 64, ctx)
                     .tracking(-1.28 * u)
                     .padding(Edge::top, 6 * u),
                 conditionRow(data.snapshot, ctx).padding(Edge::top, 14 * u),
                 Spacer(22 * u),
                 HStack(VAlign::top, 12 * u,
                        {
                            chartScale(data.snapshot, ctx),
                            chartBars(WeatherDeckWeek::weekBars(data.snapshot, weekday.label), ctx),
                            Spacer(22 * u),
                            sunsetBlock(data, ctx),
                        }),
             })
      .overlay(SunCloudArt(false, ctx).offset(-2 * u, 2 * u), Alignment::topTrailing);
}

struct Figure {
  const char *label;
  std::string value;
};

template <class Number>
std::string figureText(const std::optional<Number> &value, const char *unit) {
  return value ? std::to_string(*value) + unit : "—";
}

std::array<Figure, 6> figures(const WeatherSnapshot &snapshot) {
  return {{{"FEELS", temperatureText(snapshot.feelsLike)},
           {"WIND", figureText(snapshot.windKmh, " KM/H")},
           {"HUM", figureText(snapshot.humidity, "%")},
           {"UV", figureText(snapshot.uvIndex, "")},
           {"VIS", figureText(snapshot.visibilityKm, " KM")},
           {"PRESS", figureText(snapshot.pressureHpa, " HPA")}}};
}

View figureCell(const Figure &figure, const ZCtx &ctx) {
  return VStack(HAlign::leading, 4 * ctx.u,
                {
                    MicroLabel(figure.label, 10, 0.14, ZavelTokens::screenText3, ctx),
                    Text(figure.value)
                        .font(ctx.mono(17, FontWeight::semibold))
                        .textRole(TextRole::data),
                })
      .padding(Edge::top, 10 * ctx.u)
      .frame({.maxWidth = infinity, .alignment = Alignment::leading})
      .overlay(Rectangle().fill(ZavelTokens::hairlineRow).frame({.height = 1}), Alignment::top);
}

View figureGrid(const WeatherSnapshot &snapshot, const ZCtx &ctx) {
  std::array<Figure, 6> all = figures(snapshot);
  std::array<std::size_t, 3> rows{0, 2, 4};
  return Grid(Alignment::topLeading, 20 * ctx.u, 18 * ctx.u, {ForEach(rows, [&](std::size_t first) {
                return GridRow({figureCell(all[first], ctx), figureCell(all[first + 1], ctx)});
              })});
}

View today(const WeatherDeckData &data, const Weekday &weekday, const ZCtx &ctx) {
  double u = ctx.u;
  return VStack(
      HAlign::leading, 0,
      {
          MicroLabel(weekday.name + " — RIGHT NOW", 11, 0.14, ZavelTokens::screenText2, ctx),
          bigTemperature(data.snapshot.temperature, 56, ctx).padding(Edge::top, 12 * u),
          conditionRow(data.snapshot, ctx).padding(Edge::top, 12 * u),
          figureGrid(data.snapshot, ctx).padding(Edge::top, 26 * u),
      });
}

// Wide enough for a temperature of four characters ("-15°", "104°") at the row's size; the bar
// gives way.
constexpr double temperatureWidth = 36;

View rangeRow(const WeatherDeckView::WeekRange &range, const ZCtx &ctx) {
  double u = ctx.u;
  return HStack(VAlign::center, 12 * u,
                {
                    Text(range.label)
                        .foreground(ZavelTokens::screenText2)
                        .frame({.width = 26 * u, .alignment = Alignment::leading}),
                    figureFit(Text(temperatureText(range.low)))
                        .foreground(ZavelTokens::screenText3)
                        .frame({.width = temperatureWidth * u, .alignment = Alignment::trailing}),
                    RangeBar(range.start, range.length, {.height = 10}, ctx),
                    figureFit(Text(temperatureText(range.high)))
                        .font(ctx.mono(11, FontWeight::semibold))
                        .frame({.width = temperatureWidth * u, .alignment = Alignment::leading}),
                })
      .font(ctx.mono(11, FontWeight::regular))
      .frame({.maxHeight = infinity});
}

// A list under its caption, the rows sharing the height left.
View captionedRows(const char *caption, const View &rows, const ZCtx &ctx) {
  return VStack(HAlign::leading, 0,
                {
                    MicroLabel(caption, 11, 0.14, ZavelTokens::screenText2, ctx),
                    VStack(HAlign::center, 0, {rows}).padding(Edge::top, 10 * ctx.u),
                });
}

View week(const WeatherDeckData &data, const Weekday &weekday, const ZCtx &ctx) {
  return captionedRows(
      "7-DAY — HIGH / LOW",
      ForEach(WeatherDeckWeek::weekRanges(data.snapshot, weekday.label),
              [&](const WeatherDeckView::WeekRange &range) { return rangeRow(range, ctx); }),
      ctx);
}

View cityRow(const DeckCity &city, const ZCtx &ctx) {
  double u = ctx.u;
  ToggleFavCityIntent toggle;
  toggle.name = city.name;
  return HStack(VAlign::center, 12 * u,
                {
                    Button(intentReference(toggle),
                           HeartGlyph(17 * u, city.fav)
                               .foreground(city.fav ? ctx.accent : ZavelTokens::dimNumeral))
                        .buttonStyle(plainButtonStyle()),
                    Text(city.name)
                        .font(ctx.mono(13, FontWeight::semibold))
                        .tracking(0.93 * u)
                        .frame({.maxWidth = infinity, .alignment = Alignment::leading}),
                    Text(city.temp)
                        .font(ctx.mono(13, FontWeight::regular))
                        .foreground(ZavelTokens::dataTeal)
                        .textRole(TextRole::data),
                })
      .padding(Edge::vertical, 14 * u)
      .padding(Edge::horizontal, 2 * u)
      .overlay(Rectangle().fill(ZavelTokens::rowSeparator).frame({.height = 1}), Alignment::bottom)
      .frame({.maxHeight = infinity});
}

View fav(const WeatherDeckData &data, const ZCtx &ctx) {
  return captionedRows(
      "SAVED LOCATIONS",
      ForEach(data.cities, [&](const DeckCity &city) { return cityRow(city, ctx); }), ctx);
}

View screen(const WeatherDeckData &data, const Weekday &weekday, const ZCtx &ctx) {
  switch (data.view) {
  case WeatherView::today:
    return today(data, weekday, ctx);
  case WeatherView::week:
    return week(data, weekday, ctx);
  case WeatherView::fav:
    return fav(data, ctx);
  case WeatherView::home:
    break;
  }
  return home(data, weekday, ctx);
}

} // namespace

View WeatherDeckView::body() const {
  double u = ctx.u;
  auto deckKey = [&](WeatherView view, const View &glyph, std::string_view look) {
    Color ink = view == data.view ? ctx.accent : ZavelTokens::keyInk;
    return KeyButton(intentReference(WeatherDeckViewIntent(view)),
                     DeckKeyFace(46, ink, glyph, look, ctx), ctx);
  };
  View homeFace = DeckAccentFace(58, HouseGlyph(22 * u), "house", ctx);
  return Deck(ctx, weatherDeck, TimelineView([data = data, ctx = ctx](kit::foundation::Date now) {
                return screen(data, weekdayAt(now), ctx);
              }),
              Group({
                  deckKey(WeatherView::today, SunGlyph(19 * u), "sun"),
                  deckKey(WeatherView::week, BoxDotGlyph(18 * u), "box.dot"),
                  deckKey(WeatherView::fav, HeartGlyph(18 * u, false), "heart"),
              }),
              KeyButton(intentReference(WeatherDeckViewIntent(WeatherView::home)), homeFace, ctx));
}

} // namespace zavel
