// Reading a 1 MiB feed into raw entries, against expat alone parsing the same bytes with no
// handlers: the difference is what the feed reader adds. Then whole refreshes of feeds of 5 MiB
// of tiny entries served on loopback, the heaviest a feed list can ask.
#include "Shared/Data/RSSStore/Cache.h"
#include "Shared/Data/RSSStore/FeedList.h"
#include "Shared/Data/RSSStore/FeedParser.h"
#include "Shared/Data/RSSStore/Refresh.h"
#include "Shared/Data/RSSStore/StoredValues.h"

#include "kit/foundation/xml/XMLParser.h"
#include "support/BenchFolder.h"

#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <expat.h>
#include <fmt/format.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <type_traits>
#include <vector>

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

// A socket closed with its owner.
class Socket {
public:
  explicit Socket(int descriptor) : descriptor_(descriptor) {}
  ~Socket() {
    if (descriptor_ >= 0)
      close(descriptor_);
  }
  Socket(const Socket &) = delete;
  Socket &operator=(const Socket &) = delete;
  int get() const { return descriptor_; }

private:
  int descriptor_;
};

// One document answered to every request on 127.0.0.1, each connection on its own thread, so
// feeds are fetched as much at once as the store fetches them.
class LoopbackFeed {
public:
  explicit LoopbackFeed(std::string document)
      : answer_(fmt::format("HTTP/1.1 200 OK\r\nContent-Type: application/rss+xml\r\n"
                            "Content-Length: {}\r\nConnection: close\r\n\r\n",
                            document.size()) +
                document),
        listener_(socket(AF_INET, SOCK_STREAM, 0)) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    auto *any = reinterpret_cast<sockaddr *>(&address);
    if (listener_.get() < 0 || bind(listener_.get(), any, length) != 0 ||
        listen(listener_.get(), 256) != 0 || getsockname(listener_.get(), any, &length) != 0)
      std::abort();
    port_ = ntohs(address.sin_port);
    acceptor_ = std::thread([this] { acceptAll(); });
  }
  ~LoopbackFeed() {
    shutdown(listener_.get(), SHUT_RDWR);
    acceptor_.join();
    std::lock_guard lock(mutex_);
    connections_.clear();
  }
  LoopbackFeed(const LoopbackFeed &) = delete;
  LoopbackFeed &operator=(const LoopbackFeed &) = delete;

  std::string url(int n) const { return fmt::format("http://127.0.0.1:{}/feed/{}", port_, n); }

private:
  void acceptAll() {
    for (int client; (client = accept(listener_.get(), nullptr, nullptr)) >= 0;) {
      std::lock_guard lock(mutex_);
      connections_.emplace_back([this, client] { answer(Socket(client)); });
    }
  }

  // Reads the request's head, then sends the whole answer.
  void answer(Socket client) const {
    std::string head;
    char buffer[4096];
    while (head.find("\r\n\r\n") == std::string::npos) {
      ssize_t got = recv(client.get(), buffer, sizeof buffer, 0);
      if (got <= 0)
        return;
      head.append(buffer, static_cast<std::size_t>(got));
    }
    for (std::size_t sent = 0; sent < answer_.size();) {
      ssize_t put = send(client.get(), answer_.data() + sent, answer_.size() - sent, MSG_NOSIGNAL);
      if (put <= 0)
        return;
      sent += static_cast<std::size_t>(put);
    }
  }

  std::string answer_;
  Socket listener_;
  int port_ = 0;
  std::thread acceptor_;
  std::mutex mutex_;
  std::vector<std::jthread> connections_;
};

// A feed of tiny entries filling the largest body the store takes (5 MiB). Dated entries climb
// from old to new, the order that makes every entry displace one kept before it.
std::string tinyEntryFeed(bool dated) {
  constexpr std::size_t kBodyBytes = 5 * 1024 * 1024;
  const std::string end = "</channel></rss>\n";
  std::string text = "<rss version=\"2.0\"><channel><title>Tiny</title>\n";
  for (int i = 0;; ++i) {
    std::string item =
        dated ? fmt::format("<item><title>t{}</title><pubDate>{}</pubDate></item>\n", i,
                            fmt::format("Mon, 06 Jan 2025 {:02}:{:02}:{:02} +0000", i / 3600 % 24,
                                        i / 60 % 60, i % 60))
              : fmt::format("<item><title>t{}</title></item>\n", i);
    if (text.size() + item.size() + end.size() > kBodyBytes)
      break;
    text += item;
  }
  return text + end;
}

// Arguments: the number of feeds, and whether their entries are dated.
void BM_RefreshTinyEntryFeeds(benchmark::State &state) {
  LoopbackFeed server(tinyEntryFeed(state.range(1) != 0));
  bench::BenchFolder folder;
  std::vector<zavel::RSSFeed> list;
  for (int n = 0; n < state.range(0); ++n)
    list.push_back({kit::foundation::UUID::random(), fmt::format("Feed {}", n), server.url(n)});
  if (!zavel::RSSStore::write(zavel::RSSStore::feedsKey, list, folder.path())) {
    state.SkipWithError("the feed list was not stored");
    return;
  }
  zavel::RSSStore::Environment environment{.home = folder.path()};
  for (auto _ : state) {
    if (!zavel::RSSStore::refresh(environment))
      state.SkipWithError("no feed was read");
  }
  auto cache =
      zavel::RSSStore::read<zavel::RSSStore::Cache>(zavel::RSSStore::cacheKey, folder.path());
  state.counters["headlines"] = cache ? double(cache->items.size()) : 0;
}
BENCHMARK(BM_RefreshTinyEntryFeeds)
    ->ArgsProduct({{1, 8, 32}, {0, 1}})
    ->ArgNames({"feeds", "dated"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
