#include "NotesViewsTesting.h"
#include "Shared/Views/NotesViews/EditedLabel.h"
#include "Shared/Views/NotesViews/SplitNote.h"

namespace zavel {
namespace {

using namespace zavel::testing;
using EditedLabel = NotesViewTest;

TEST_F(EditedLabel, TodayByTheClockChoiceYesterdayThenMonthAndDayFutureIncluded) {
  struct Case {
    const char *name = "";
    const char *edited = "";
    int clock = 24;
    const char *zone = "Europe/London";
    const char *label = "";
  };
  const Case cases[] = {
      {.name = "today 21:30", .edited = "2025-03-05T21:30:00Z", .label = "TODAY 21:30"},
      {.name = "today 21:30, 12-hour",
       .edited = "2025-03-05T21:30:00Z",
       .clock = 12,
       .label = "TODAY 09:30"},
      {.name = "today's first moment", .edited = "2025-03-05T00:00:00Z", .label = "TODAY 00:00"},
      {.name = "yesterday's last moment", .edited = "2025-03-04T23:59:59Z", .label = "YESTERDAY"},
      {.name = "yesterday's first", .edited = "2025-03-04T00:00:00Z", .label = "YESTERDAY"},
      {.name = "two days ago", .edited = "2025-03-03T12:00:00Z", .label = "MAR 3"},
      {.name = "tomorrow", .edited = "2025-03-06T08:00:00Z", .label = "MAR 6"},
      {.name = "a year later", .edited = "2026-03-05T08:00:00Z", .label = "MAR 5"},
      // 15:00 in London is midnight in Tokyo, where 14:30 UTC was still yesterday.
      {.name = "Tokyo's day",
       .edited = "2025-03-05T14:30:00Z",
       .zone = "Asia/Tokyo",
       .label = "YESTERDAY"},
  };
  for (const Case &c : cases) {
    useClock(c.clock);
    EXPECT_EQ(editedLabel(at(c.edited), now, *kit::foundation::TimeZone::named(c.zone)), c.label)
        << c.name;
  }
}

TEST(SplitNote, FirstLineAsWrittenTheRestJoinedAndTrimmedOfBlanks) {
  struct Case {
    const char *name = "";
    std::string text;
    NoteSplit split;
  };
  const Case cases[] = {
      {.name = "two lines",
       .text = "Launch checklist\nNotarize, screenshots, press page, changelog.",
       .split = {"Launch checklist", "Notarize, screenshots, press page, changelog."}},
      {.name = "one line", .text = "  Refund policy ", .split = {"  Refund policy ", ""}},
      {.name = "empty", .text = "", .split = {"", ""}},
      {.name = "leading line feed", .text = "\nbody", .split = {"", "body"}},
      {.name = "blank middle line keeps two spaces", .text = "t\na\n\nb\n", .split = {"t", "a  b"}},
      {.name = "spaces only", .text = "t\n   \n ", .split = {"t", ""}},
      {.name = "tabs and no-break spaces trimmed",
       .text = "t\n\t\u00a0mid\u2003",
       .split = {"t", "mid"}},
      {.name = "CRLF separates nothing", .text = "a\r\nb\r\nc", .split = {"a\r\nb\r\nc", ""}},
      {.name = "a lone line feed after CRLF does", .text = "a\r\n\nb", .split = {"a\r\n", "b"}},
  };
  for (const Case &c : cases)
    EXPECT_EQ(splitNote(c.text), c.split) << c.name;
}

} // namespace
} // namespace zavel
