// Reading a 1 MiB feed into raw entries, against expat alone parsing the same bytes with no
// handlers: the difference is what the feed reader adds.
#include "Shared/Data/RSSStore/FeedParser.h"

#include "kit/foundation/xml/XMLParser.h"

#include <benchmark/benchmark.h>
#include <expat.h>

#include <chrono>
#include <memory>
#include <string>
#include <type_traits>

namespace {

constexpr std::size_t kDocumentBytes = 1024 * 1024;

std::string feedItem(int i) {
  std::string n = std::to_string(i);
  return "<item>\n  <title>Headline number " + n +
         " &amp; what follows it</title>\n  <link>https://news.example.org/articles/" + n +
         "</link>\n  <guid isPermaLink=\"false\">urn:news:" + n +
         "</guid>\n  <pubDate>Mon, 06 Jan 2025 10:00:00 +0000</pubDate>\n"
         "  <dc:creator>A. Writer</dc:creator>\n  <category>Hardware</category>\n"
         "  <description><![CDATA[<p>Some <b>markup</b> in a summary that runs for a while, "
         "as summaries do, with a <a href=\"https://news.example.org/\">link</a>.</p>]]>"
         "</description>\n  <content:encoded>Longer text with &lt;tags&gt; and entities "
         "&#8217; spread over a line or two of prose, the way full-text feeds carry the whole "
         "article body in one element.</content:encoded>\n</item>\n";
}

// An RSS 2.0 document of about 1 MiB.
const std::string &feedDocument() {
  static const std::string document = [] {
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss version=\"2.0\" "
                       "xmlns:content=\"http://purl.org/rss/1.0/modules/content/\" "
                       "xmlns:dc=\"http://purl.org/dc/elements/1.1/\"><channel>"
                       "<title>Bench</title><link>https://news.example.org/</link>\n";
    for (int i = 0; text.size() < kDocumentBytes; ++i)
      text += feedItem(i);
    return text + "</channel></rss>\n";
  }();
  return document;
}

void readFeed(const std::string &document) {
  zavel::FeedParser feed;
  kit::foundation::XMLParser parser;
  benchmark::DoNotOptimize(parser.parse(document, feed));
  benchmark::DoNotOptimize(feed.items().data());
}

void parseWithExpat(const std::string &document) {
  std::unique_ptr<std::remove_pointer_t<XML_Parser>, decltype(&XML_ParserFree)> parser(
      XML_ParserCreate(nullptr), XML_ParserFree);
  benchmark::DoNotOptimize(
      XML_Parse(parser.get(), document.data(), static_cast<int>(document.size()), XML_TRUE));
}

void BM_FeedParser(benchmark::State &state) {
  const std::string &document = feedDocument();
  for (auto _ : state)
    readFeed(document);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * document.size()));
}
BENCHMARK(BM_FeedParser)->Unit(benchmark::kMillisecond);

void BM_ExpatAlone(benchmark::State &state) {
  const std::string &document = feedDocument();
  for (auto _ : state)
    parseWithExpat(document);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * document.size()));
}
BENCHMARK(BM_ExpatAlone)->Unit(benchmark::kMillisecond);

// Both in turn within each iteration, so that the machine's changing pace falls on both alike:
// "ratio" is the feed reader's time over expat's.
void BM_FeedParserOverExpat(benchmark::State &state) {
  using Clock = std::chrono::steady_clock;
  const std::string &document = feedDocument();
  Clock::duration reader{}, expat{};
  for (auto _ : state) {
    auto start = Clock::now();
    parseWithExpat(document);
    auto middle = Clock::now();
    readFeed(document);
    reader += Clock::now() - middle;
    expat += middle - start;
  }
  state.counters["ratio"] =
      std::chrono::duration<double>(reader).count() / std::chrono::duration<double>(expat).count();
}
BENCHMARK(BM_FeedParserOverExpat)->Unit(benchmark::kMillisecond);

} // namespace
