// The XML parser against expat driven directly, on the same feed-like document and with the
// same work per event: the parser's own cost is the difference.
#include "kit/foundation/xml/XMLParser.h"

#include <benchmark/benchmark.h>
#include <expat.h>

#include <memory>
#include <string>
#include <type_traits>

namespace {

std::string feedDocument() {
  std::string document = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss version=\"2.0\" "
                         "xmlns:content=\"http://purl.org/rss/1.0/modules/content/\"><channel>"
                         "<title>Bench</title>\n";
  for (int i = 0; i < 300; ++i) {
    std::string n = std::to_string(i);
    document += "<item><title>Headline number " + n +
                " &amp; more</title>\n<link>https://example.org/" + n +
                "</link>\n<guid isPermaLink=\"false\">id-" + n +
                "</guid>\n<pubDate>Mon, 06 Jan 2025 10:00:00 +0000</pubDate>\n<description>"
                "<![CDATA[<p>Some <b>markup</b> in a summary that runs for a while, as they "
                "do.</p>]]></description>\n<content:encoded>Longer text with &lt;tags&gt; and "
                "entities &#8217; spread over a line or two of prose.</content:encoded></item>\n";
  }
  return document + "</channel></rss>\n";
}

struct Counts {
  std::size_t elements = 0;
  std::size_t textBytes = 0;
};

class CountingDelegate : public kit::foundation::XMLParserDelegate {
public:
  Counts counts;
  void didStartElement(std::string_view, const kit::foundation::XMLAttributes &) override {
    ++counts.elements;
  }
  void foundCharacters(std::string_view text) override { counts.textBytes += text.size(); }
};

void BM_XMLParser(benchmark::State &state) {
  std::string document = feedDocument();
  for (auto _ : state) {
    CountingDelegate delegate;
    kit::foundation::XMLParser parser;
    benchmark::DoNotOptimize(parser.parse(document, delegate));
    benchmark::DoNotOptimize(delegate.counts);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * document.size()));
}
BENCHMARK(BM_XMLParser);

void BM_PlainExpat(benchmark::State &state) {
  std::string document = feedDocument();
  for (auto _ : state) {
    Counts counts;
    std::unique_ptr<std::remove_pointer_t<XML_Parser>, decltype(&XML_ParserFree)> owner(
        XML_ParserCreate(nullptr), XML_ParserFree);
    XML_Parser parser = owner.get();
    XML_SetUserData(parser, &counts);
    XML_SetElementHandler(
        parser,
        [](void *user, const XML_Char *, const XML_Char **) {
          ++static_cast<Counts *>(user)->elements;
        },
        [](void *, const XML_Char *) {});
    XML_SetCharacterDataHandler(parser, [](void *user, const XML_Char *, int length) {
      static_cast<Counts *>(user)->textBytes += static_cast<std::size_t>(length);
    });
    benchmark::DoNotOptimize(
        XML_Parse(parser, document.data(), static_cast<int>(document.size()), XML_TRUE));
    benchmark::DoNotOptimize(counts);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * document.size()));
}
BENCHMARK(BM_PlainExpat);

} // namespace
