#include "Shared/Data/RSSStore/FeedParser.h"

#include "kit/foundation/xml/XMLParser.h"

#include <gtest/gtest.h>

using zavel::FeedParser;
using RawItem = FeedParser::RawItem;

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

} // namespace

TEST(FeedParser, TheFirstElementAloneDecidesWhetherTheDocumentIsAFeed) {
  std::pair<const char *, bool> cases[] = {
      {"<RSS/>", true},
      {"<Feed xmlns='http://www.w3.org/2005/Atom'/>", true},
      {"<html><body><item><title>Not a feed</title></item></body></html>", false},
  };
  for (auto [document, isFeed] : cases)
    EXPECT_EQ(parsed(document).isFeedDocument(), isFeed) << document;
}

TEST(FeedParser, ReadsEntriesOfEachDialectAndNothingElse) {
  std::pair<std::string, std::vector<RawItem>> cases[] = {
      {"<rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#' "
       "xmlns='http://purl.org/rss/1.0/' xmlns:dc='http://purl.org/dc/elements/1.1/'>"
       "<channel rdf:about='https://r.example/'><title>Chan</title></channel>"
       "<item rdf:about='https://r.example/1'><title>Rdf one</title>"
       "<link>https://r.example/1</link><dc:date>2025-01-06T10:00:00Z</dc:date></item></rdf:RDF>",
       {{"Rdf one", "https://r.example/1", {}, {}, "2025-01-06T10:00:00Z"}}},
      {"<feed xmlns=\"http://www.w3.org/2005/Atom\"><title>Feed</title><id>urn:feed</id>"
       "<entry><title type='html'>Atom one</title><id>urn:1</id>"
       "<link href='https://t.example/1'/><updated>2025-01-05T00:00:00Z</updated>"
       "<published>2025-01-04T00:00:00Z</published><summary>Short</summary></entry></feed>",
       {{"Atom one", "https://t.example/1", "Short", "urn:1", "2025-01-04T00:00:00Z"}}},
      // A nested entry restarts the current one.
      {rss("<item><title>Outer</title><item><title>Inner</title></item><title>After</title></"
           "item>"),
       {{"Inner", {}, {}, {}, {}}}},
  };
  for (const auto &[document, items] : cases)
    EXPECT_EQ(parsed(document).items(), items) << document;
}

TEST(FeedParser, FieldRulesWithinOneEntry) {
  std::pair<std::string, RawItem> cases[] = {
      {"<link>\n  https://a.example/x \n</link>", {"T", "https://a.example/x", {}, {}, {}}},
      {"<link rel='replies' href='https://r/'/><link href='https://alt/'/>",
       {"T", "https://alt/", {}, {}, {}}},
      {"<link rel='self' href='https://s/'/><link rel='ALTERNATE' href='https://u/'/>",
       {"T", "https://s/", {}, {}, {}}},
      {"<content:encoded>Body</content:encoded><description></description>", {"T", {}, "", {}, {}}},
      {"<updated>U</updated><published>P</published>", {"T", {}, {}, {}, "P"}},
      {"<title type='xhtml'><div>Inner</div>\n</title>", {"", {}, {}, {}, {}}},
      {"<TITLE>U</TITLE><PubDate>P</PubDate><GUID>G</GUID>", {"U", {}, {}, "G", "P"}},
      // An end reads the text since the last boundary, whether or not a field was set in between.
      {"<content:encoded><description>D</description>tail</content:encoded>",
       {"T", {}, "D", {}, {}}},
      {"<content:encoded>C<x/> tail </content:encoded>", {"T", {}, "tail", {}, {}}},
      {"<published>P<updated>U</updated>Q</published>", {"T", {}, {}, {}, "Q"}},
      // Names lower-cased by the Unicode rules: the Kelvin sign becomes "k", a dotted capital I
      // becomes "i" and a combining dot.
      {"<lin\u212A>https://k.example/</lin\u212A><GU\u0130D>G</GU\u0130D>",
       {"T", "https://k.example/", {}, {}, {}}},
  };
  for (const auto &[fields, expected] : cases) {
    FeedParser parser = parsed(rss("<item><title>T</title>" + fields + "</item>"));
    ASSERT_EQ(parser.items().size(), 1u) << fields;
    EXPECT_EQ(parser.items()[0], expected) << fields;
  }
}

TEST(FeedParser, AHandlerTakesEachEntryAsItEndsAndNothingIsKept) {
  std::string document = rss("<item><title>One</title><guid>1</guid></item>"
                             "<item><title>Two</title><item><title>Inner</title></item></item>"
                             "<item><title>Cut</title>");
  std::vector<RawItem> handed;
  FeedParser parser([&](RawItem &&item) { handed.push_back(std::move(item)); });
  kit::foundation::XMLParser xml;
  EXPECT_FALSE(xml.parse(document, parser));
  EXPECT_EQ(handed, (std::vector<RawItem>{{"One", {}, {}, "1", {}}, {"Inner", {}, {}, {}, {}}}));
  EXPECT_TRUE(parser.items().empty());
}
