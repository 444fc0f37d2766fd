#include "Shared/Data/RSSStore/FeedText.h"
#include "Shared/Data/RSSStore/DateParsing.h"
#include "Shared/Data/RSSStore/RFC822Date.h"
#include "Shared/Data/RSSStore/RSSItem.h"
#include "Shared/Data/RSSStore/TextCleaning.h"
#include "Shared/Data/RSSStore/URLString.h"

#include "kit/foundation/DateFormatter.h"
#include "kit/foundation/Iso8601.h"

#include <fmt/chrono.h>
#include <gtest/gtest.h>

#include <array>
#include <ctime>
#include <random>

namespace zavel {
namespace {

using kit::foundation::Date;

TEST(RSSStoreCleanText, StripsTagsDecodesEntitiesOnceAndCollapsesSpace) {
  std::pair<const char *, std::optional<std::string>> cases[] = {
      {"<p>Hello <b>world</b></p>", "Hello world"},
      {"1 < 2 and 3 > 2", "1 2"},
      {"&amp;lt; &quot;q&#34; &#39;a&apos;", "&lt; \"q\" 'a'"},
      {"&#8220;d&#8221; &hellip;a&mdash;b", "\u201Cd\u201D \u2026a\u2014b"},
      {"  line\n\n\tbreaks \r\n and\u00A0\u2028spaces  ", "line breaks and spaces"},
      {"<b></b> \n &nbsp;", std::nullopt},
  };
  for (const auto &[text, cleaned] : cases)
    EXPECT_EQ(RSSStore::cleanText(text), cleaned) << text;
  // Every kind of white space at the ends; bytes that are no UTF-8 are kept.
  EXPECT_EQ(trimmingWhitespaceAndNewlines(" \t\r\n\u00A0\u2028x y\u3000\u0085\n"), "x y");
  EXPECT_EQ(trimmingWhitespaceAndNewlines("\xFF x \xC3"), "\xFF x \xC3");
}

TEST(RSSStoreParseDate, ReadsTheRfc822AndInternetForms) {
  std::pair<const char *, const char *> cases[] = {
      {"Tue, 10 Jun 2003 04:00:00 -0500", "2003-06-10T09:00:00Z"},
      {"Fri, 10 Jun 2003 04:00:00 -0500", "2003-06-10T09:00:00Z"}, // the date decides
      {"Fri, 10 Jun 2003 04:00:00 EST", "2003-06-10T09:00:00Z"},
      {"Fri, 10 Jun 2003 04:00 -0500", "2003-06-10T09:00:00Z"},
      {"  2025-01-06T10:00:00.5-01:30\n", "2025-01-06T11:30:00.500Z"},
      {"2025-01-06T10:00:00", nullptr},
      {"Mon, 32 Jan 2025 10:00:00 +0000", nullptr},
      {"Sat, 29 Feb 2025 10:00:00 +0000", nullptr},
      {"Mon, 06 Jan 2025 24:00:00 +0000", nullptr},
  };
  for (auto [text, instant] : cases) {
    auto expected = instant ? kit::foundation::dateFromIso8601(instant) : std::nullopt;
    EXPECT_EQ(RSSStore::parseDate(text), expected) << text;
  }
}

TEST(RSSStoreParseDate, FormsBesideTheCommonOneFallToTheFormatters) {
  const auto instant = kit::foundation::dateFromIso8601("2003-06-10T09:00:00Z");
  for (const char *text : {"Tue, 10 Jun 2003 04:00:00 EST", "Tue, 10 Jun 2003 04:00 -0500",
                           "10 Jun 2003 04:00:00 -0500", "Tue,  10 Jun 2003 04:00:00 -0500"}) {
    EXPECT_EQ(commonRFC822Date(text), std::nullopt) << text;
    EXPECT_EQ(RSSStore::parseDate(text), instant) << text;
  }
}

// The common form of a random moment from 1600 to 9999, at a random offset or GMT, and the moment;
// now and then with a weekday that is not the date's.
std::pair<std::string, Date> randomCommonDate(std::mt19937 &random) {
  auto between = [&](long least, long most) {
    return std::uniform_int_distribution<long>(least, most)(random);
  };
  long instant = between(-11'676'009'600, 253'402'128'000); // 1600-01-02 to 9999-12-30
  long offset = between(0, 3) == 0 ? 0 : between(-18 * 60, 18 * 60) * 60;
  std::string zone = offset == 0 && between(0, 1) == 0
                         ? "GMT"
                         : fmt::format("{}{:02}{:02}", offset < 0 ? '-' : '+',
                                       std::abs(offset) / 3600, std::abs(offset) / 60 % 60);
  std::time_t local = instant + offset;
  std::tm fields{};
  gmtime_r(&local, &fields);
  std::string text = fmt::format("{:%a, %d %b %Y %H:%M:%S} {}", fields, zone);
  if (text[5] == '0' && between(0, 1) == 0)
    text.erase(5, 1);
  if (between(0, 3) == 0)
    text.replace(0, 3, std::array{"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"}[between(0, 6)]);
  return {text, Date::fromUnixTime(static_cast<double>(instant))};
}

TEST(RSSStoreParseDate, TheCommonFormReadsAsTheFormattersReadIt) {
  using kit::foundation::DateFormatter;
  auto posix = kit::foundation::Locale::posix();
  auto gmt = *kit::foundation::TimeZone::named("GMT");
  DateFormatter formatters[] = {DateFormatter("EEE, d MMM yyyy HH:mm:ss Z", posix, gmt),
                                DateFormatter("EEE, d MMM yyyy HH:mm:ss zzz", posix, gmt)};
  std::mt19937 random(822);
  for (int i = 0; i < 2000; ++i) {
    auto [text, instant] = randomCommonDate(random);
    EXPECT_EQ(commonRFC822Date(text), instant) << text;
    EXPECT_EQ(RSSStore::parseDate(text), instant) << text;
    auto formatted = formatters[0].date(text);
    EXPECT_EQ(formatted ? formatted : formatters[1].date(text), instant) << text;
  }
}

TEST(RSSItemAgeLabel, CountsWholeMinutesHoursDaysAndWeeks) {
  const Date now{800'000'000};
  std::pair<std::optional<double>, const char *> cases[] = {
      {std::nullopt, "—"},    {59, "JUST NOW"},       {3599, "59M AGO"},
      {10079 * 60, "6D AGO"}, {10080 * 60, "1W AGO"}, {1e300, "915017067148291W AGO"},
  };
  for (auto [secondsAgo, label] : cases) {
    RSSItem item{.id = "i", .feedTitle = "F", .title = "T"};
    if (secondsAgo)
      item.published = now.addingTimeInterval(-*secondsAgo);
    EXPECT_EQ(item.ageLabel(now), label) << secondsAgo.value_or(-1);
  }
}

TEST(URLString, TellsURLsAndWebLinks) {
  std::tuple<const char *, bool, bool> cases[] = {
      {"HTTP://Example.com/a?b=c#d", true, true},
      {"javascript:alert(1)", true, false},
      {"https://exa mple.com", false, false},
  };
  for (const auto &[text, url, web] : cases)
    EXPECT_EQ(std::pair(isURLString(text), isWebLink(text)), std::pair(url, web)) << text;
}

} // namespace
} // namespace zavel
