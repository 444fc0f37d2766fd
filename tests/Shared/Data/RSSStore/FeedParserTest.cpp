#include "Shared/Data/RSSStore/FeedParser.h"

#include "kit/foundation/xml/XMLParser.h"

#include <gtest/gtest.h>

using zavel::FeedParser;
using RawItem = FeedParser::RawItem;

namespace zavel {
void PrintTo(const RawItem &item, std::ostream *out) {
  auto optional = [](const std::optional<std::string> &value) {
    return value ? "\"" + *value + "\"" : std::string("none");
  };
  *out << "{title \"" << item.title << "\", link " << optional(item.link) << ", summary "
       << optional(item.summary) << ", guid " << optional(item.guid) << ", date "
       << optional(item.dateString) << "}";
}
} // namespace zavel

namespace {

FeedParser parsed(const std::string &document) {
  FeedParser parser;
  kit::foundation::XMLParser xml;
  EXPECT_TRUE(xml.parse(document, parser)) << document;
  return parser;
}

std::string rss(const std::string &items) {
  return "<rss version=\"2.0\" xmlns:content=\"http://purl.org/rss/1.0/modules/content/\" "
         "xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
         "xmlns:media=\"http://search.yahoo.com/mrss/\"><channel><title>Channel</title>"
         "<link>https://channel.example/</link><description>About</description>" +
         items + "</channel></rss>";
}

std::string atom(const std::string &entries) {
  return "<feed xmlns=\"http://www.w3.org/2005/Atom\"><title>Feed</title><id>urn:feed</id>"
         "<link href=\"https://feed.example/\"/>" +
         entries + "</feed>";
}

} // namespace

TEST(FeedParser, TheFirstElementAloneDecidesWhetherTheDocumentIsAFeed) {
  struct Case {
    const char *document;
    bool isFeed;
  } cases[] = {
      {"<rss><channel/></rss>", true},
      {"<RSS/>", true},
      {"<Feed xmlns='http://www.w3.org/2005/Atom'/>", true},
      {"<rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'/>", true},
      {"<RDF:rdf xmlns:RDF='x'/>", true},
      {"<?xml version='1.0'?><!-- a comment --><rss/>", true},
      {"<html><body><item><title>Not a feed</title></item></body></html>", false},
      {"<channel><rss/></channel>", false},
      {"<rdf/>", false},
  };
  for (const auto &c : cases) {
    FeedParser parser = parsed(c.document);
    EXPECT_EQ(parser.isFeedDocument(), c.isFeed) << c.document;
  }
}

TEST(FeedParser, ReadsEntriesOfEachDialect) {
  struct Case {
    const char *name;
    std::string document;
    std::vector<RawItem> items;
  } cases[] = {
      {"rss 2.0",
       rss("<item><title>One</title><link>https://a.example/1</link><description>First"
           "</description><guid isPermaLink='false'>g1</guid><pubDate>Mon, 06 Jan 2025 10:00:00 "
           "+0000</pubDate></item><item><title>Two</title></item>"),
       {{"One", "https://a.example/1", "First", "g1", "Mon, 06 Jan 2025 10:00:00 +0000"},
        {"Two", {}, {}, {}, {}}}},
      {"rdf",
       "<rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#' "
       "xmlns='http://purl.org/rss/1.0/' xmlns:dc='http://purl.org/dc/elements/1.1/'>"
       "<channel rdf:about='https://r.example/'><title>Chan</title><link>https://r.example/"
       "</link><items><rdf:Seq><rdf:li rdf:resource='https://r.example/1'/></rdf:Seq></items>"
       "</channel><item rdf:about='https://r.example/1'><title>Rdf one</title>"
       "<link>https://r.example/1</link><dc:date>2025-01-06T10:00:00Z</dc:date></item>"
       "</rdf:RDF>",
       {{"Rdf one", "https://r.example/1", {}, {}, "2025-01-06T10:00:00Z"}}},
      {"atom",
       atom("<entry><title type='html'>Atom one</title><id>urn:1</id>"
            "<link href='https://t.example/1'/><updated>2025-01-05T00:00:00Z</updated>"
            "<published>2025-01-04T00:00:00Z</published><summary>Short</summary></entry>"),
       {{"Atom one", "https://t.example/1", "Short", "urn:1", "2025-01-04T00:00:00Z"}}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    FeedParser parser = parsed(c.document);
    EXPECT_TRUE(parser.isFeedDocument());
    EXPECT_EQ(parser.items(), c.items);
  }
}

TEST(FeedParser, FieldRulesWithinOneEntry) {
  struct Case {
    const char *name;
    std::string item;
    RawItem expected;
  } cases[] = {
      {"rss link text is trimmed",
       "<item><title>T</title><link>\n  https://a.example/x \n</link>",
       {"T", "https://a.example/x", {}, {}, {}}},
      {"empty link text keeps an attribute link",
       "<item><title>T</title><link href='https://h.example/'></link>",
       {"T", "https://h.example/", {}, {}, {}}},
      {"link text replaces an attribute link",
       "<item><title>T</title><link href='https://h.example/'>https://t.example/</link>",
       {"T", "https://t.example/", {}, {}, {}}},
      {"other rel then no rel keeps the second",
       "<entry><title>T</title><link rel='replies' href='https://r.example/'/>"
       "<link href='https://alt.example/'/>",
       {"T", "https://alt.example/", {}, {}, {}}},
      {"alternate then enclosure keeps the first",
       "<entry><title>T</title><link rel='alternate' href='https://alt.example/'/>"
       "<link rel='enclosure' href='https://e.example/a.mp3'/>",
       {"T", "https://alt.example/", {}, {}, {}}},
      {"another rel alone is kept",
       "<entry><title>T</title><link rel='self' href='https://s/'/>",
       {"T", "https://s/", {}, {}, {}}},
      {"rel compared as written",
       "<entry><title>T</title><link rel='self' href='https://s/'/>"
       "<link rel='ALTERNATE' href='https://u/'/>",
       {"T", "https://s/", {}, {}, {}}},
      {"attribute names compared as written",
       "<entry><title>T</title><link HREF='https://upper/'/>",
       {"T", {}, {}, {}, {}}},
      {"empty href and no text", "<entry><title>T</title><link href=''/>", {"T", "", {}, {}, {}}},
      {"href kept untrimmed",
       "<entry><title>T</title><link href=' https://x/ '/>",
       {"T", " https://x/ ", {}, {}, {}}},
      {"content then empty description",
       "<item><title>T</title><content:encoded>Body</content:encoded><description>"
       "</description>",
       {"T", {}, "", {}, {}}},
      {"empty description then content",
       "<item><title>T</title><description/><content:encoded>Body</content:encoded>",
       {"T", {}, "", {}, {}}},
      {"content fills an absent summary",
       "<entry><title>T</title><content type='html'>Body</content>",
       {"T", {}, "Body", {}, {}}},
      {"empty content leaves the summary absent",
       "<item><title>T</title><content:encoded>  </content:encoded>",
       {"T", {}, {}, {}, {}}},
      {"cdata description keeps its markup",
       "<item><title>T</title><description><![CDATA[<p>Hi <b>there</b></p>]]></description>",
       {"T", {}, "<p>Hi <b>there</b></p>", {}, {}}},
      {"character data and cdata joined in order",
       "<item><title>T</title><description>a &amp; <![CDATA[<b>]]> c</description>",
       {"T", {}, "a & <b> c", {}, {}}},
      {"updated then published",
       "<entry><title>T</title><updated>U</updated>"
       "<published>P</published>",
       {"T", {}, {}, {}, "P"}},
      {"pubDate then updated",
       "<item><title>T</title><pubDate>P</pubDate><updated>U</updated>",
       {"T", {}, {}, {}, "P"}},
      {"empty updated still sets the date",
       "<entry><title>T</title><updated></updated>",
       {"T", {}, {}, {}, ""}},
      {"dc:date", "<item><title>T</title><dc:date> D </dc:date>", {"T", {}, {}, {}, "D"}},
      {"empty guid", "<item><title>T</title><guid></guid>", {"T", {}, {}, "", {}}},
      {"other prefixes ignored",
       "<item><title>T</title><media:title>M</media:title><media:description>MD"
       "</media:description><atom:link href='https://atom/' xmlns:atom='x'/>",
       {"T", {}, {}, {}, {}}},
      {"later title wins, also nested",
       "<item><title>First</title><source><title>Src</title>"
       "</source>",
       {"Src", {}, {}, {}, {}}},
      {"title of an element with children is the text after its last child",
       "<entry><title type='xhtml'><div>Inner</div>\n</title>",
       {"", {}, {}, {}, {}}},
      {"names compared in lower case",
       "<item><TITLE>T</TITLE><PubDate>P</PubDate><GUID>G</GUID>",
       {"T", {}, {}, "G", "P"}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    std::string close = c.item.starts_with("<entry") ? "</entry>" : "</item>";
    FeedParser parser = parsed(rss(c.item + close));
    ASSERT_EQ(parser.items().size(), 1u);
    EXPECT_EQ(parser.items()[0], c.expected);
  }
}

TEST(FeedParser, OnlyEntriesLeaveItems) {
  // The channel's own fields leave no trace; a nested entry restarts the current one.
  FeedParser parser = parsed(rss("<item><title>Outer</title><item><title>Inner</title></item>"
                                 "<title>After</title></item><title>Channel again</title>"));
  ASSERT_EQ(parser.items().size(), 1u);
  EXPECT_EQ(parser.items()[0].title, "Inner");

  EXPECT_TRUE(parsed(rss("")).items().empty());
}
