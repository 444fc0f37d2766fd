#pragma once

// A small extension for the host's tests: a tally widget with a key, a link and a widget link,
// configured by an intent with defaults and an entity; a board widget with an accentable part;
// the tally key's intent, which writes a suite key and a container file, reloads the board and
// posts a notification; and an intent that finishes its work in the background.

#include "kit/foundation/Date.h"
#include "kit/intents/AppEntity.h"
#include "kit/intents/AppEnum.h"
#include "kit/intents/AppIntent.h"
#include "kit/ui/Color.h"
#include "kit/widgets/AppIntentConfiguration.h"
#include "kit/widgets/WidgetBundle.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace zavel::host::testing {

enum class Shade { plain, bright };

} // namespace zavel::host::testing

template <> struct kit::intents::AppEnumDefinition<zavel::host::testing::Shade> {
  using Shade = zavel::host::testing::Shade;
  static constexpr std::string_view typeDisplayRepresentation = "Shade";
  static constexpr std::array<AppEnumCase<Shade>, 2> cases{{
      {Shade::plain, "plain", "Plain"},
      {Shade::bright, "bright", "Bright"},
  }};
};

namespace zavel::host::testing {

// The suite key the tally key counts in, and the container file it writes.
inline constexpr std::string_view kCountKey = "test.tally.count";
inline constexpr std::string_view kTallyFile = "tally.json";
inline constexpr std::string_view kLateKey = "test.tally.late";
// Where the timeline starts: 2025-03-01T09:30:00Z.
inline constexpr kit::foundation::Date kFirstEntry{762514200};

// Points of the small tally widget (170 × 170): its key, its link, and bare casing.
inline constexpr kit::ui::Rect kKeyFrame{{20, 20}, {50, 50}};
inline constexpr kit::ui::Rect kLinkFrame{{110, 110}, {40, 40}};
inline constexpr std::string_view kLinkURL = "zavel-test://tally/details";
inline constexpr std::string_view kWidgetURL = "zavel-test://tally";
// The fill of the tally widget and of the board's accentable half.
inline constexpr kit::ui::Color kTallyFill = kit::ui::Color::rgb8(40, 80, 200);
inline constexpr kit::ui::Color kBoardAccentable = kit::ui::Color::rgb8(255, 255, 255);

struct PlaceQuery;

struct PlaceEntity {
  static constexpr std::string_view typeName = "TestPlaceEntity";
  static constexpr std::string_view typeDisplayRepresentation = "Place";
  using DefaultQuery = PlaceQuery;
  std::string id;
  kit::intents::DisplayRepresentation displayRepresentation() const;
};

// Oslo, Lisbon and Kyoto, by lower-case id; the first two are suggested.
struct PlaceQuery {
  std::vector<PlaceEntity> entitiesFor(const std::vector<std::string> &ids) const;
  std::vector<PlaceEntity> entitiesMatching(std::string_view text) const;
  std::vector<PlaceEntity> suggestedEntities() const;
};

struct TallyConfigIntent {
  static constexpr std::string_view typeName = "TallyConfigIntent";
  static constexpr std::string_view title = "Tally Options";
  std::string label = "Cups";
  int64_t step = 1;
  Shade shade = Shade::plain;
  std::optional<PlaceEntity> place;
  static constexpr auto parameters() {
    return std::tuple{kit::intents::parameter("label", "Label", &TallyConfigIntent::label),
                      kit::intents::parameter("step", "Step", &TallyConfigIntent::step),
                      kit::intents::parameter("shade", "Shade", &TallyConfigIntent::shade),
                      kit::intents::parameter("place", "Place", &TallyConfigIntent::place)};
  }
};

struct TallyData {
  std::string label;
  int64_t count = 0;
  int64_t step = 1;
  std::string place;
  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{field("label", &TallyData::label), field("count", &TallyData::count),
                      field("step", &TallyData::step), field("place", &TallyData::place)};
  }
};

// Its own date is written as a number: the host shows dates in its own form.
struct TallyEntry {
  kit::foundation::Date date;
  TallyData data;
  std::string casing = "followApp";
  static constexpr auto jsonFields() {
    using kit::foundation::field;
    return std::tuple{field("date", &TallyEntry::date), field("data", &TallyEntry::data),
                      field("casing", &TallyEntry::casing)};
  }
};

// Three entries a minute apart with the stored count; the next timeline ten minutes after the
// first. Previews show the label after "Preview".
struct TallyProvider {
  using Intent = TallyConfigIntent;
  using Entry = TallyEntry;
  Entry placeholder(const kit::widgets::TimelineContext &context) const;
  Entry snapshot(const Intent &configuration, const kit::widgets::TimelineContext &context) const;
  kit::widgets::Timeline<Entry> timeline(const Intent &configuration,
                                         const kit::widgets::TimelineContext &context) const;
};

struct TallyWidget {
  static constexpr std::string_view typeName = "TallyWidget";
  kit::widgets::AppIntentConfiguration<TallyProvider> body() const;
};

// Medium; its left half is accentable, its right half not; no keys and no link.
struct TallyBoardWidget {
  static constexpr std::string_view typeName = "TallyBoardWidget";
  kit::widgets::AppIntentConfiguration<TallyProvider> body() const;
};

// Adds `step` to the stored count, writes it to the container file, reloads the board and
// posts "com.test.tally.changed".
struct TallyIntent {
  static constexpr std::string_view typeName = "TallyIntent";
  static constexpr std::string_view title = "Count";
  int64_t step = 1;
  static constexpr auto parameters() {
    return std::tuple{kit::intents::parameter("step", "Step", &TallyIntent::step)};
  }
  kit::intents::IntentResult perform() const noexcept;
};

// Stores true under the late key from a background task, a moment after it returns.
struct LateIntent {
  static constexpr std::string_view typeName = "LateIntent";
  static constexpr std::string_view title = "Count Later";
  kit::intents::IntentResult perform() const noexcept;
};

// The tally and the board widgets, with both intents.
kit::widgets::WidgetBundle testBundle();

} // namespace zavel::host::testing
