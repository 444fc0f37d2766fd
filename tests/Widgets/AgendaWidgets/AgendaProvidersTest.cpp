#include "Shared/Data/EventSync/AgendaHome.h"
#include "Shared/Data/SharedSuite.h"
#include "Widgets/AgendaWidgets/CalendarProvider.h"
#include "Widgets/AgendaWidgets/RemindersProvider.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace zavel {
namespace {

using agenda_test::AgendaHome;
using agenda_test::oslo;
using kit::foundation::Date;
using kit::widgets::TimelineContext;
using kit::widgets::WidgetFamily;

const TimelineContext onDesktop = TimelineContext::of(WidgetFamily::systemMedium);
const TimelineContext inGallery = TimelineContext::of(WidgetFamily::systemMedium, true);

// What a provider's source has for one test: today's item as a file, and an earlier snapshot.
template <class Source> struct Fixture;

template <> struct Fixture<RemindersSource> {
  static constexpr std::string_view key = EventSync::remindersKey;
  static size_t count(const RemindersSnapshot &snapshot) { return snapshot.items.size(); }
  static void addToday(const AgendaHome &home) {
    home.add("inbox", "call.ics",
             agenda_test::todo("call", "DUE;TZID=Europe/Oslo:20240312T170000"));
  }
  static RemindersSnapshot earlier() {
    return {
        .items = {{"old", "Earlier", "09:00", false, false}}, .nextUp = {}, .minutesToNext = {}};
  }
};

template <> struct Fixture<CalendarSource> {
  static constexpr std::string_view key = EventSync::calendarKey;
  static size_t count(const CalendarSnapshot &snapshot) { return snapshot.events.size(); }
  static void addToday(const AgendaHome &home) {
    home.add("work", "review.ics",
             agenda_test::event("review", "20240312T150000", "20240312T154500"));
  }
  static CalendarSnapshot earlier() {
    return {.events = {{"old", "09:00", "10:00", "Earlier", "60 min", false, true}},
            .dayProgress = 0.25};
  }
};

// How the calendars folder is, and so the access the user gave.
enum class Access { full, notDetermined, denied };
// Which snapshot an entry shows.
enum class Shows { live, earlier, sample, empty };

template <class Source> void expectProviderChoosesTheData() {
  using Snapshot = typename Source::Snapshot;
  using Entry = ZavelEntry<Snapshot>;
  struct Case {
    const char *name;
    Access access;
    bool itemsToday;
    bool storedEarlier;
    Shows snapshot;
    Shows timeline;
  };
  for (const Case &c : {
           Case{.name = "access",
          .access = Access::full,
          .itemsToday = true,
          .storedEarlier = true,
          .snapshot = Shows::live,
          .timeline = Shows::live},
           Case{.name = "access to an empty day",
           .access = Access::full,
           .itemsToday = false,
           .storedEarlier = true,
           .snapshot = Shows::live,
           .timeline = Shows::live},
           Case{.name = "no calendars, a stored snapshot",
           .access = Access::notDetermined,
           .itemsToday = false,
           .storedEarlier = true,
           .snapshot = Shows::earlier,
           .timeline = Shows::earlier},
           Case{.name = "no calendars, nothing stored",
           .access = Access::notDetermined,
           .itemsToday = false,
           .storedEarlier = false,
           .snapshot = Shows::sample,
           .timeline = Shows::empty},
           Case{.name = "denied, a stored snapshot",
           .access = Access::denied,
           .itemsToday = false,
           .storedEarlier = true,
           .snapshot = Shows::earlier,
           .timeline = Shows::earlier},
           Case{.name = "denied, nothing stored",
           .access = Access::denied,
           .itemsToday = false,
           .storedEarlier = false,
           .snapshot = Shows::sample,
           .timeline = Shows::empty},
       }) {
    AgendaHome home;
    if (c.itemsToday)
      Fixture<Source>::addToday(home);
    // The reading a provider makes with access.
    std::optional<Snapshot> today;
    if (c.access == Access::full)
      today = Source::load(home.environment());
    if (c.access != Access::full)
      std::filesystem::remove_all(home.calendars());
    if (c.access == Access::denied)
      std::ofstream(home.calendars()) << "not a folder";
    if (c.storedEarlier)
      SharedSuite::write(Fixture<Source>::key, Fixture<Source>::earlier(), home.home());
    auto shown = [&](Shows shows) -> Snapshot {
      switch (shows) {
      case Shows::live:
        return *today;
      case Shows::earlier:
        return Fixture<Source>::earlier();
      case Shows::sample:
        return Source::sample();
      case Shows::empty:
        break;
      }
      return Snapshot{};
    };
    const AgendaProvider<Source> provider{home.environment()};
    const CasingConfigIntent cream{CasingOption::cream};
    EXPECT_EQ(provider.placeholder(onDesktop),
              (Entry{home.now, Source::sample(), CasingOption::followApp}))
        << c.name;
    EXPECT_EQ(provider.snapshot(cream, inGallery),
              (Entry{home.now, Source::sample(), cream.casing}))
        << c.name;
    EXPECT_EQ(provider.snapshot(cream, onDesktop),
              (Entry{home.now, shown(c.snapshot), cream.casing}))
        << c.name;
    // Even asked in a preview context, a timeline shows no sample.
    auto timeline = provider.timeline(cream, inGallery);
    EXPECT_EQ(timeline.entries, (std::vector<Entry>{{home.now, shown(c.timeline), cream.casing}}))
        << c.name;
    // A reading, even of an empty day, replaces what was stored.
    if (today) {
      EXPECT_EQ(Fixture<Source>::count(*today), c.itemsToday ? 1u : 0u) << c.name;
      EXPECT_EQ(SharedSuite::read<Snapshot>(Fixture<Source>::key, home.home()), today) << c.name;
    }
  }
}

TEST(RemindersProvider, ShowsTodayWithAccessElseTheStoredSnapshotElseTheSampleOrNothing) {
  expectProviderChoosesTheData<RemindersSource>();
  // The sample counts down to its 17:00 call.
  const RemindersSnapshot &sample = RemindersSource::sample();
  EXPECT_EQ(sample.items, ReminderItem::samples());
  EXPECT_EQ(sample.nextUp, ReminderItem::samples().at(2));
  EXPECT_EQ(sample.nextUp->time, "17:00");
  EXPECT_EQ(sample.minutesToNext, 28);
}

TEST(CalendarProvider, ShowsTodayWithAccessElseTheStoredSnapshotElseTheSampleOrNothing) {
  expectProviderChoosesTheData<CalendarSource>();
}

TEST(CalendarProvider, TheSampleIsADayUnderWayAsAReadingWouldShowIt) {
  // What a reading of today gives: events by start time, the ended ones first and marked done,
  // one open event marked next, and a share of the day gone between none and all.
  const CalendarSnapshot &sample = CalendarSource::sample();
  const auto &events = sample.events;
  ASSERT_FALSE(events.empty());
  EXPECT_GT(sample.dayProgress, 0);
  EXPECT_LT(sample.dayProgress, 1);
  EXPECT_TRUE(
      std::is_sorted(events.begin(), events.end(),
                     [](const EventItem &a, const EventItem &b) { return a.start < b.start; }));
  auto open = std::partition_point(events.begin(), events.end(),
                                   [](const EventItem &event) { return event.isPast; });
  EXPECT_TRUE(
      std::none_of(open, events.end(), [](const EventItem &event) { return event.isPast; }));
  for (auto event = events.begin(); event != open; ++event)
    EXPECT_EQ(event->detail, "Done") << event->title;
  auto isNext = [](const EventItem &event) { return event.isNext; };
  EXPECT_EQ(std::count_if(events.begin(), events.end(), isNext), 1);
  EXPECT_EQ(std::count_if(open, events.end(), isNext), 1);
}

TEST(AgendaProviders, AskAgainFifteenMinutesOnInAbsoluteTime) {
  struct Case {
    const char *name;
    Date now;
    Date reload;
  };
  for (const Case &c : {
           Case{.name = "morning",
          .now = oslo(2024, 3, 12, 10),
          .reload = oslo(2024, 3, 12, 10, 15)},
           // Clocks spring from 02:00 to 03:00 that night.
           Case{.name = "spring forward",
           .now = oslo(2024, 3, 31, 1, 50),
           .reload = oslo(2024, 3, 31, 3, 5)},
       }) {
    AgendaHome home;
    home.now = c.now;
    const auto expected = kit::widgets::ReloadPolicy::after(c.reload);
    EXPECT_EQ(RemindersProvider{home.environment()}.timeline({}, onDesktop).policy, expected)
        << c.name;
    EXPECT_EQ(CalendarProvider{home.environment()}.timeline({}, onDesktop).policy, expected)
        << c.name;
  }
}

} // namespace
} // namespace zavel
