#include "kit/foundation/xml/XMLParser.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

using kit::foundation::XMLAttributes;
using kit::foundation::XMLParser;
using kit::foundation::XMLParserDelegate;

namespace {

// Writes every event into one line: <name a="v">, text runs joined, </name>.
class Trace : public XMLParserDelegate {
public:
  std::string events;

  void didStartElement(std::string_view name, const XMLAttributes &attributes) override {
    events += "<" + std::string(name);
    for (auto [key, value] : attributes)
      events += " " + std::string(key) + "=\"" + std::string(value) + "\"";
    events += ">";
  }
  void didEndElement(std::string_view name) override { events += "</" + std::string(name) + ">"; }
  void foundCharacters(std::string_view text) override { events += text; }
};

// The events of a parse, then "!" when it fails.
std::string parsed(std::string_view document) {
  XMLParser parser;
  Trace trace;
  bool ok = parser.parse(document, trace);
  EXPECT_EQ(ok, !parser.parserError()) << document;
  return ok ? trace.events : trace.events + "!";
}

} // namespace

TEST(XMLParser, ReportsEventsInUtf8AndStopsAtTheFirstError) {
  struct Case {
    std::string_view document, events;
  } cases[] = {
      {"<rss version=\"2.0\"><channel/></rss>", "<rss version=\"2.0\"><channel></channel></rss>"},
      {"<i xmlns:content=\"c\"><content:encoded>x</content:encoded><dc:date>d</dc:date></i>",
       "<i xmlns:content=\"c\"><content:encoded>x</content:encoded><dc:date>d</dc:date></i>"},
      {"<a>1 &lt;b&gt; &amp;amp; &#x2014;&#8217;</a>",
       "<a>1 <b> &amp; \xE2\x80\x94\xE2\x80\x99</a>"},
      {"<a><![CDATA[<p>kept &amp; raw</p>]]> and <![CDATA[more]]></a>",
       "<a><p>kept &amp; raw</p> and more</a>"},
      {"<link href=\"h?a=1&amp;b=2\" rel='alternate'/>",
       "<link href=\"h?a=1&b=2\" rel=\"alternate\"></link>"},
      // Encodings the reader lacks are converted.
      {"<?xml version=\"1.0\" encoding=\"windows-1252\"?><t>caf\xE9 \x93q\x94 \x80 \x85</t>",
       "<t>caf\xC3\xA9 \xE2\x80\x9Cq\xE2\x80\x9D \xE2\x82\xAC \xE2\x80\xA6</t>"},
      {"<r><a>1</a><b>2</c><d>3</d></r>", "<r><a>1</a><b>2!"},
      {"<r><item>cut", "<r><item>cut!"},
      {"<r>\xC3(</r>", "<r>!"},
      {"<?xml version=\"1.0\" encoding=\"x-no-such\"?><r/>", "!"},
      {"<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><r>\xA0</r>", "!"},
      // Any entity declaration at all is refused, so no expansion can blow up.
      {"<!DOCTYPE r [<!ENTITY x SYSTEM \"file:///etc/hostname\">]><r>&x;</r>", "!"},
      {"<!DOCTYPE r [<!ENTITY a \"b\"><!ENTITY b \"&a;&a;\">]><r>&b;</r>", "!"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(parsed(c.document), c.events);
}

TEST(XMLParser, ReportsWhereTheErrorIsAndReadsTheNextDocumentAfresh) {
  XMLParser parser;
  Trace trace;
  ASSERT_FALSE(parser.parse("<!DOCTYPE r [<!ENTITY a \"b\">]><r/>", trace));
  EXPECT_EQ(parser.parserError()->message, "the document declares entities");
  EXPECT_TRUE(parser.parse("<ok/>", trace));
  EXPECT_FALSE(parser.parserError());
}

TEST(XMLParser, NeverLoadsAnExternalDTD) {
  auto dtd =
      std::filesystem::temp_directory_path() / ("xmlparser-" + std::to_string(::getpid()) + ".dtd");
  std::ofstream(dtd) << "<!ENTITY e \"LOADED\">";
  std::string events = parsed("<!DOCTYPE r SYSTEM \"" + dtd.string() + "\"><r>a&e;b</r>");
  std::filesystem::remove(dtd);
  // The reference to the unread declaration is skipped; nothing of the file arrives.
  EXPECT_EQ(events, "<r>ab</r>");
}

TEST(XMLParser, ADelegatesExceptionStopsTheParse) {
  struct Throwing : Trace {
    void didEndElement(std::string_view name) override {
      Trace::didEndElement(name);
      throw std::runtime_error("stop");
    }
  } delegate;
  EXPECT_THROW(XMLParser().parse("<r><a/><b/></r>", delegate), std::runtime_error);
  EXPECT_EQ(delegate.events, "<r><a></a>");

  // The end of an empty element still follows a stop in its start, with its whole name.
  struct ThrowingAtStart : Trace {
    void didStartElement(std::string_view name, const XMLAttributes &attributes) override {
      Trace::didStartElement(name, attributes);
      if (name == "empty")
        throw std::runtime_error("stop");
    }
  } atStart;
  EXPECT_THROW(XMLParser().parse("<root><empty/><b/></root>", atStart), std::runtime_error);
  EXPECT_EQ(atStart.events, "<root><empty></empty>");
}

TEST(XMLParser, ReportsCharactersOnlyWhileTheDelegateWantsThem) {
  // Wants the text of "keep" itself, not of what it holds or what holds it.
  struct Keeping : Trace {
    std::vector<std::string> open;
    void didStartElement(std::string_view name, const XMLAttributes &attributes) override {
      Trace::didStartElement(name, attributes);
      open.emplace_back(name);
    }
    void didEndElement(std::string_view name) override {
      Trace::didEndElement(name);
      open.pop_back();
    }
    bool wantsCharacters() const override { return !open.empty() && open.back() == "keep"; }
  };
  XMLParser parser;
  Keeping keeping;
  ASSERT_TRUE(parser.parse("<r>a<keep>b&amp;<x>c</x>d<![CDATA[e]]></keep>f</r>", keeping));
  EXPECT_EQ(keeping.events, "<r><keep>b&<x></x>de</keep></r>");
  // The next parse starts from the next delegate's wish.
  Trace all;
  ASSERT_TRUE(parser.parse("<r>a<keep>b</keep>c</r>", all));
  EXPECT_EQ(all.events, "<r>a<keep>b</keep>c</r>");
}
