#include "Shared/Data/RSSStore/FeedText.h"
#include "Shared/Data/RSSStore/RSSStore.h"
#include "Shared/Data/RSSStore/URLString.h"

#include <gtest/gtest.h>

using kit::foundation::Date;
using zavel::RSSItem;
namespace RSSStore = zavel::RSSStore;

TEST(RSSStoreCleanText, StripsTagsDecodesEntitiesOnceAndCollapsesSpace) {
  struct Case {
    const char *text;
    std::optional<std::string> cleaned;
  } cases[] = {
      {"Plain", "Plain"},
      {"<p>Hello <b>world</b></p>", "Hello world"},
      {"a<br/>b", "a b"},
      {"1 < 2 and 3 > 2", "1 2"},
      {"a <> b", "a <> b"},
      {"<<b>x", "x"},
      {"open < without close", "open < without close"},
      {"<img\nsrc='x'>caption", "caption"},
      {"&lt;b&gt;bold&lt;/b&gt;", "<b>bold</b>"},
      {"&amp;lt;", "&lt;"},
      {"Tom &amp; Jerry", "Tom & Jerry"},
      {"&quot;q&#34; &#39;a&apos;", "\"q\" 'a'"},
      {"&#8216;s&#8217; &#8220;d&#8221;", "'s' \u201Cd\u201D"},
      {"wait&#8230; more&hellip;", "wait\u2026 more\u2026"},
      {"a&mdash;b&#8212;c&ndash;d&#8211;e", "a\u2014b\u2014c\u2013d\u2013e"},
      {"x&nbsp;&nbsp;y&#160;z", "x y z"},
      {"&AMP; &Lt; &eacute; &#x2019;", "&AMP; &Lt; &eacute; &#x2019;"},
      {"  line\n\n\tbreaks \r\n and\u00A0\u2028spaces  ", "line breaks and spaces"},
      {"\u000Bvertical tab stays", "\u000Bvertical tab stays"},
      {"caf\u00E9 \u65E5\u672C", "caf\u00E9 \u65E5\u672C"},
      {"<b></b> \n ", std::nullopt},
      {"&nbsp;", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto &c : cases)
    EXPECT_EQ(RSSStore::cleanText(c.text), c.cleaned) << c.text;
}

TEST(FeedText, TrimsEveryKindOfWhiteSpaceAtTheEnds) {
  EXPECT_EQ(zavel::trimmingWhitespaceAndNewlines(" \t\r\n\u00A0\u2028x y\u3000\u0085\n"), "x y");
  EXPECT_EQ(zavel::trimmingWhitespaceAndNewlines("\u00E9\u3000"), "\u00E9");
  EXPECT_EQ(zavel::trimmingWhitespaceAndNewlines(" \n "), "");
  EXPECT_EQ(zavel::trimmingWhitespaceAndNewlines("\xFF x \xC3"), "\xFF x \xC3");
}

TEST(RSSItemAgeLabel, CountsWholeMinutesHoursDaysAndWeeks) {
  const Date now{800'000'000};
  struct Case {
    std::optional<double> secondsAgo;
    const char *label;
  } cases[] = {
      {std::nullopt, "—"},
      {0, "JUST NOW"},
      {59, "JUST NOW"},
      {-3600, "JUST NOW"},
      {60, "1M AGO"},
      {59 * 60 + 59, "59M AGO"},
      {60 * 60, "1H AGO"},
      {1439 * 60, "23H AGO"},
      {1440 * 60, "1D AGO"},
      {10079 * 60, "6D AGO"},
      {10080 * 60, "1W AGO"},
      {70 * 86400, "10W AGO"},
      {1e300, "915017067148291W AGO"},
  };
  for (const auto &c : cases) {
    RSSItem item{.id = "i", .feedTitle = "F", .title = "T"};
    if (c.secondsAgo)
      item.published = now.addingTimeInterval(-*c.secondsAgo);
    EXPECT_EQ(item.ageLabel(now), c.label) << (c.secondsAgo ? *c.secondsAgo : -1);
  }
}

TEST(URLString, TellsURLsAndWebLinks) {
  struct Case {
    const char *text;
    bool url;
    bool web;
  } cases[] = {
      {"https://example.com/a?b=c#d", true, true},
      {"HTTP://Example.com", true, true},
      {"http://user@host:8080/p", true, true},
      {"https://example.com/%E2%9C%93", true, true},
      {"//example.com/relative", true, false},
      {"/wire/1", true, false},
      {"feeds.example.com/rss", true, false},
      {"file:///etc/passwd", true, false},
      {"javascript:alert(1)", true, false},
      {"zavelwidgets://open/notes", true, false},
      {"ftp://example.com/feed", true, false},
      {"https:example.com", true, false},
      {"https://", true, false},
      {"https://:80/", true, false},
      {"https://exa mple.com", false, false},
      {"https://example.com/\u00E9", false, false},
      {"https://example.com/%zz", false, false},
      {"https://example.com/%4", false, false},
      {"1http://example.com", false, false},
      {"ht^tp://example.com", false, false},
      {"", false, false},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(zavel::isURLString(c.text), c.url) << c.text;
    EXPECT_EQ(zavel::isWebLink(c.text), c.web) << c.text;
  }
}
