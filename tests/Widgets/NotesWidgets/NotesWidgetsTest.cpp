#include "Widgets/NotesWidgets/NotesWidgets.h"
#include "Widgets/NotesWidgets/NotesSample.h"
#include "Widgets/ZavelWidgetsBundle.h"

#include "kit/foundation/Iso8601.h"
#include "kit/ui/LayoutTesting.h"
#include "support/Pluck.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

namespace zavel {
namespace {

using kit::foundation::Date;
using kit::foundation::Json;
using kit::widgets::TimelineContext;
using kit::widgets::WidgetFamily;
using Texts = std::vector<std::string>;

Date at(const char *iso) { return *kit::foundation::dateFromIso8601(iso); }

const TimelineContext onScreen = TimelineContext::of(WidgetFamily::systemSmall);
const TimelineContext inGallery = TimelineContext::of(WidgetFamily::systemSmall, true);

TEST(NotesSample, SevenNotesNewestFirstOverFiveDaysAtTheirTimesTwoPinnedFreshIds) {
  // 06:00 in Berlin on the Monday after the clocks went forward: today's notes lie ahead, and
  // yesterday had 23 hours.
  test::ScopedLocaleAndZone device{"en_GB", "Europe/Berlin"};
  const Date now = at("2025-03-31T04:00:00Z");
  std::vector<NoteItem> sample = buildNotesSample(kit::foundation::Clock::fixed(now));
  EXPECT_EQ(test::pluck(sample, &NoteItem::edited),
            (std::vector<Date>{at("2025-03-31T10:57:00Z"), at("2025-03-31T09:07:00Z"),
                               at("2025-03-31T07:24:00Z"), at("2025-03-30T16:12:00Z"),
                               at("2025-03-28T09:03:00Z"), at("2025-03-27T14:40:00Z"),
                               at("2025-03-26T07:16:00Z")}));
  EXPECT_EQ(test::pluck(sample, &NoteItem::pinned),
            (std::vector<bool>{false, false, false, true, true, false, false}));
  EXPECT_EQ(sample[0].text,
            "Widget idea — dot-matrix pomodoro that fills as the session burns down.");
  EXPECT_EQ(sample[3].text, "Launch checklist\nNotarize, screenshots, press page, changelog.");
  EXPECT_TRUE(sample[4].text.ends_with("\nEaster egg for the about screen."));
  std::set<std::string> ids;
  for (const auto &list : {sample, buildNotesSample(kit::foundation::Clock::fixed(now))})
    for (const NoteItem &note : list)
      ids.insert(note.id.uuidString());
  EXPECT_EQ(ids.size(), 14u);
}

TEST(NotesSample, TheGallerysNotesStayTheSameWhileTheClockMovesOn) {
  test::ScopedLocaleAndZone device{"en_GB", "Europe/Berlin"};
  const Date monday = at("2025-03-31T04:00:00Z");
  const std::vector<NoteItem> first = notesSample(kit::foundation::Clock::fixed(monday));
  ASSERT_EQ(first.size(), 7u);
  for (double later : {60.0, 3 * 86400.0, 40 * 86400.0}) {
    const std::vector<NoteItem> again =
        notesSample(kit::foundation::Clock::fixed(monday.addingTimeInterval(later)));
    EXPECT_EQ(test::pluck(again, &NoteItem::id), test::pluck(first, &NoteItem::id)) << later;
    EXPECT_EQ(test::pluck(again, &NoteItem::edited), test::pluck(first, &NoteItem::edited))
        << later;
  }
}

class NotesProviderTest : public ::testing::Test {
protected:
  void writeNotes(const std::string &text) const { std::ofstream(NotesStore::fileURL()) << text; }
  // One entry of the notes at `now`, in the cream casing, asked for again 15 minutes later.
  void expectTimeline(const TimelineContext &context, const std::vector<NoteItem> &notes) const {
    auto timeline = provider.timeline(cream, context);
    EXPECT_EQ(timeline.entries, (std::vector<NotesEntry>{{now, notes, CasingOption::cream}}));
    EXPECT_EQ(timeline.policy, kit::widgets::ReloadPolicy::after(now.addingTimeInterval(900)));
  }

  test::TempHome home;
  const Date now = at("2025-03-05T15:00:00Z");
  const LocalProvider<std::vector<NoteItem>> provider =
      NotesProvider(kit::foundation::Clock::fixed(now));
  const CasingConfigIntent cream{CasingOption::cream};
};

TEST_F(NotesProviderTest, TheGalleryShowsTheSampleTimelinesTheFileNewestFirst) {
  EXPECT_EQ(provider.placeholder(onScreen),
            (NotesEntry{now, notesSample(), CasingOption::followApp}));
  EXPECT_EQ(provider.snapshot(cream, inGallery),
            (NotesEntry{now, notesSample(), CasingOption::cream}));
  const char *a = "0f8fad5b-d9cb-469f-a165-70867728950e",
             *b = "7c9e6679-7425-40de-944b-e07fc1f90ae7";
  auto note = [](const char *id, const char *text, double edited) {
    return Json{{"id", id}, {"text", text}, {"edited", edited}, {"pinned", false}};
  };
  // Equal edit times keep the file's order.
  writeNotes(Json::array({note(a, "first", 10), note(b, "newest", 20), note(b, "tie", 10)}).dump());
  std::vector<NoteItem> notes = NotesStore::latest();
  EXPECT_EQ(test::pluck(notes, &NoteItem::text), (Texts{"newest", "first", "tie"}));
  expectTimeline(onScreen, notes);
  // A preview context asks for the timeline of the file too.
  expectTimeline(inGallery, notes);
  EXPECT_EQ(provider.snapshot(cream, onScreen), (NotesEntry{now, notes, CasingOption::cream}));
}

TEST_F(NotesProviderTest, MissingOrMalformedNotesGiveOneEmptyEntryAndTheReload) {
  expectTimeline(onScreen, {});
  // One note without its pin empties the whole list.
  writeNotes(R"([{"id":"0f8fad5b-d9cb-469f-a165-70867728950e","text":"a","edited":1,"pinned":true},
                 {"id":"7c9e6679-7425-40de-944b-e07fc1f90ae7","text":"b","edited":2}])");
  expectTimeline(onScreen, {});
  writeNotes("[{]");
  expectTimeline(onScreen, {});
}

} // namespace
} // namespace zavel
