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

TEST(NotesWidgets, TheGroupInGalleryOrderEachFaceOneLinkToTheNotesWithTheSampleInTheGallery) {
  const auto small = WidgetFamily::systemSmall, medium = WidgetFamily::systemMedium;
  struct Case {
    const char *kind = "";
    const char *name = "";
    const char *description = "";
    WidgetFamily family = WidgetFamily::systemSmall;
    Texts preview; // the sample notes the gallery shows, by their first words
  };
  const Case notes[] = {
      {.kind = "zavel.notes.quick",
       .name = "Quick Note",
       .description = "Your latest note, big and readable.",
       .family = medium,
       .preview = {"Widget idea"}},
      {.kind = "zavel.notes.single",
       .name = "Single Note",
       .description = "One note on a small screen.",
       .family = small,
       .preview = {"Widget idea"}},
      {.kind = "zavel.notes.list",
       .name = "Notes List",
       .description = "The last few notes and a count.",
       .family = small,
       .preview = {"7", "— Widget idea", "— Pick up", "— 1.2 changelog"}},
      {.kind = "zavel.notes.pinned",
       .name = "Pinned",
       .description = "Two pinned notes on chip cards.",
       .family = medium,
       .preview = {"Launch checklist", "Notarize", "Ask a colleague", "Easter egg"}},
  };
  test::TempHome home;
  kit::widgets::WidgetBundle group = ZavelNotesBundle{}.body();
  ASSERT_EQ(group.widgets().size(), std::size(notes));
  for (std::size_t i = 0; i < std::size(notes); ++i) {
    const Case &c = notes[i];
    const kit::widgets::AnyWidget &widget = group.widgets()[i];
    const kit::widgets::WidgetInfo &info = widget.info();
    EXPECT_EQ(std::tuple(info.kind, info.displayName, info.description, info.family,
                         info.configuration.typeName, info.contentMarginsDisabled),
              std::tuple(c.kind, c.name, c.description, c.family, "CasingConfigIntent", true));
    auto preview = widget.configure(Json::object()).snapshot(TimelineContext::of(c.family, true));
    auto tree = kit::ui::testing::lay(preview.view(), kit::widgets::displaySize(c.family));
    EXPECT_EQ(tree.widgetURL, "zavelwidgets://open/notes") << c.kind;
    EXPECT_TRUE(tree.root
                    .findAll([](const kit::ui::LaidOutNode &node) {
                      return node.as<kit::ui::ButtonTarget>() || node.as<kit::ui::LinkTarget>();
                    })
                    .empty())
        << c.kind;
    std::string shown = test::joined(tree.root.texts(), "|");
    for (const std::string &text : c.preview)
      EXPECT_NE(shown.find(text), std::string::npos) << c.kind << " lacks " << text;
  }
}

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
  // Built once for the process.
  EXPECT_EQ(&notesSample(), &notesSample());
  EXPECT_EQ(notesSample().size(), 7u);
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
