#include "kit/events/CalendarText.h"
#include "kit/events/ItemText.h"

#include <gtest/gtest.h>

#include <vector>

using kit::events::PropertyName;

namespace {

// What is read of each item of `text`: its title, and its start's zone and value when it has
// one; "refused" when the text is.
std::string readingOf(std::string_view text) {
  auto scanned = kit::events::scanCalendarText(text);
  if (!scanned)
    return "refused";
  std::string reading;
  for (const auto &item : scanned->items) {
    reading += "[" + kit::events::itemText(item, PropertyName::summary).value_or("-");
    if (auto start = item.first(PropertyName::dtstart))
      reading.append(" @").append(start->tzid).append(" ").append(start->value);
    reading += "]";
  }
  return reading;
}

// A calendar holding one to-do with `lines`, every line ending in `end`.
std::string toDo(std::string_view lines, std::string_view end = "\r\n") {
  std::string text;
  for (std::string_view line : {"BEGIN:VCALENDAR", "BEGIN:VTODO"})
    text.append(line).append(end);
  text.append(lines).append(end);
  for (std::string_view line : {"END:VTODO", "END:VCALENDAR"})
    text.append(line).append(end);
  return text;
}

struct Case {
  const char *name;
  std::string text;
  const char *reading;
};

void expectReadings(const std::vector<Case> &cases) {
  for (const auto &c : cases)
    EXPECT_EQ(readingOf(c.text), c.reading) << c.name;
}

const std::string kMark = "\xEF\xBB\xBF";

} // namespace

TEST(CalendarText, AByteOrderMarkIsSkippedAtTheStartOnly) {
  expectReadings({
      {"before CRLF lines", kMark + toDo("SUMMARY:x"), "[x]"},
      {"before LF lines", kMark + toDo("SUMMARY:x", "\n"), "[x]"},
      {"twice", kMark + kMark + toDo("SUMMARY:x"), ""},
      {"before a later line",
       "BEGIN:VCALENDAR\r\n" + kMark + "BEGIN:VTODO\r\nSUMMARY:x\r\nEND:VTODO\r\nEND:VCALENDAR\r\n",
       ""},
  });
}

TEST(CalendarText, LinesEndInCrLfOrLfOrCrAloneMixedToo) {
  expectReadings({
      {"CR alone", toDo("SUMMARY:x", "\r"), "[x]"},
      {"LF alone", toDo("SUMMARY:x", "\n"), "[x]"},
      {"mixed", "BEGIN:VCALENDAR\rBEGIN:VTODO\nSUMMARY:x\r\nEND:VTODO\rEND:VCALENDAR", "[x]"},
      {"LF then CR are two ends", toDo("SUMMARY:x\n\rDTSTART:20240312T090000Z"),
       "[x @ 20240312T090000Z]"},
      {"folded after CR alone", toDo("SUMMARY:Call the\r  bank\r\t now", "\r"),
       "[Call the bank now]"},
      {"folded after each kind", toDo("SUMMARY:a\r b\n c\r\n d"), "[abcd]"},
  });
}

TEST(CalendarText, FoldsMayFallInsideAnEscapeOrACharacter) {
  expectReadings({
      {"between a backslash and its letter", toDo("SUMMARY:a\\\r\n nb"), "[a\nb]"},
      {"between a backslash and a comma, CR alone", toDo("SUMMARY:a\\\r\t,b", "\r"), "[a,b]"},
      {"inside a two-byte character", toDo("SUMMARY:Caf\xC3\r\n \xA9"), "[Caf\xC3\xA9]"},
      {"twice inside a three-byte character", toDo("SUMMARY:\xE2\n \x82\r \xAC"), "[\xE2\x82\xAC]"},
  });
}

TEST(CalendarText, QuotedParametersMayHoldSemicolonsAndColons) {
  expectReadings({
      {"before the zone", toDo("DTSTART;X-NOTE=\"a;b:c\";TZID=\"Europe/Oslo\":20240312T090000"),
       "[- @Europe/Oslo 20240312T090000]"},
      {"a list of them", toDo("SUMMARY;X-A=\"a:b\",\"c;d\",e:Lunch"), "[Lunch]"},
      {"a zone named with both", toDo("DTSTART;TZID=\"A;B:C\":20240312T090000"),
       "[- @A;B:C 20240312T090000]"},
      {"never closed: the line is passed over", toDo("SUMMARY;X-A=\"a:b:Lunch\nUID:u"), "[-]"},
  });
}

TEST(CalendarText, TextValuesUndoTheirEscapes) {
  expectReadings({
      {"comma, semicolon, backslash", toDo("SUMMARY:a\\,b\\;c\\\\d"), "[a,b;c\\d]"},
      {"a backslash before n is no line break", toDo("SUMMARY:a\\\\nb"), "[a\\nb]"},
      {"line breaks in either case", toDo("SUMMARY:a\\nb\\Nc"), "[a\nb\nc]"},
      {"a lone backslash at the end stays", toDo("SUMMARY:a\\"), "[a\\]"},
  });
}

// A long file keeps each item's own lines, whatever is kept beside them: ten thousand items of
// values long and short (a list, zones that change from line to line, a folded title) read back
// as written, item by item and value by value.
TEST(CalendarText, EveryItemOfALongFileReadsItsOwnValues) {
  constexpr int kItems = 10000;
  std::string text = "BEGIN:VCALENDAR\r\n";
  for (int i = 0; i < kItems; ++i) {
    std::string title = std::string(i % 700, 'a' + i % 26) + std::to_string(i);
    text += "BEGIN:" + std::string(i % 3 ? "VEVENT" : "VTODO") + "\r\nUID:" + std::to_string(i) +
            "\r\nSUMMARY:" + title.substr(0, 40) + "\r\n " + title.substr(std::min<std::size_t>(
                                                                   40, title.size())) +
            "\r\nDTSTART;TZID=Z" + std::to_string(i % 5) + ":20260101T" + std::to_string(100000 + i % 3) +
            "\r\nDTEND;TZID=Y:20260102\r\nEXDATE:2026010" + std::to_string(i % 9 + 1) + ",," +
            std::to_string(i) + "\r\nEND:" + std::string(i % 3 ? "VEVENT" : "VTODO") + "\r\n";
  }
  auto scanned = kit::events::scanCalendarText(text + "END:VCALENDAR\r\n");
  ASSERT_TRUE(scanned);
  ASSERT_EQ(scanned->items.size(), std::size_t{kItems});
  int wrong = 0;
  for (int i = 0; i < kItems; ++i) {
    const auto &item = scanned->items[i];
    std::string title = std::string(i % 700, 'a' + i % 26) + std::to_string(i);
    auto start = item.first(PropertyName::dtstart);
    auto end = item.first(PropertyName::dtend);
    std::vector<std::string> exdates;
    for (const auto &exdate : item.all(PropertyName::exdate))
      exdates.emplace_back(exdate.value);
    bool right =
        item.kind == (i % 3 ? kit::events::ComponentKind::event : kit::events::ComponentKind::todo) &&
        kit::events::uidOf(item) == std::to_string(i) &&
        kit::events::itemText(item, PropertyName::summary) == title.substr(0, 1024) && start &&
        start->tzid == "Z" + std::to_string(i % 5) &&
        start->value == "20260101T" + std::to_string(100000 + i % 3) && end && end->tzid == "Y" &&
        exdates == std::vector<std::string>{"2026010" + std::to_string(i % 9 + 1), "",
                                            std::to_string(i)};
    if (!right && ++wrong <= 3)
      ADD_FAILURE() << "item " << i << " reads otherwise than written";
  }
  EXPECT_EQ(wrong, 0);
}
