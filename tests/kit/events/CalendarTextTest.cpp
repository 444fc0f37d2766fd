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
    if (const auto *start = item.first(PropertyName::dtstart))
      reading += " @" + start->tzid + " " + start->value;
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
