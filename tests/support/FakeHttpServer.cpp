#include "support/FakeHttpServer.h"

#include <httplib.h>

#include <algorithm>
#include <condition_variable>
#include <csignal>
#include <map>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace testsupport {

namespace {

using std::chrono::milliseconds;

constexpr milliseconds holdLimit{5000};

// The server writes to sockets whose client gave up; that must fail the write, not the process.
void ignoreBrokenPipes() {
  static std::once_flag once;
  std::call_once(once, [] { std::signal(SIGPIPE, SIG_IGN); });
}

std::vector<std::pair<std::string, std::string>> queryItems(std::string_view target) {
  std::vector<std::pair<std::string, std::string>> items;
  auto mark = target.find('?');
  if (mark == std::string_view::npos)
    return items;
  std::string_view query = target.substr(mark + 1);
  while (!query.empty()) {
    std::string_view item = query.substr(0, query.find('&'));
    query.remove_prefix(std::min(query.size(), item.size() + 1));
    if (item.empty())
      continue;
    auto equals = item.find('=');
    std::string_view name = item.substr(0, equals);
    std::string_view value = equals == std::string_view::npos ? "" : item.substr(equals + 1);
    items.emplace_back(httplib::detail::decode_url(std::string(name), true),
                       httplib::detail::decode_url(std::string(value), true));
  }
  return items;
}

RecordedRequest recorded(const httplib::Request &request) {
  RecordedRequest record;
  record.method = request.method;
  record.path = request.path;
  record.target = request.target;
  record.query = queryItems(request.target);
  for (const auto &[name, value] : request.headers)
    record.headers.emplace_back(name, value);
  return record;
}

} // namespace

struct FakeHttpServer::State {
  httplib::Server server;
  std::thread thread;
  int port = 0;

  mutable std::mutex mutex;
  std::condition_variable changed;
  std::map<std::string, Handler, std::less<>> handlers;
  std::vector<RecordedRequest> records;
  int inFlight = 0;
  int maxInFlight = 0;
  bool stopping = false;

  // Waits, cut short when the server stops; false then.
  bool pause(milliseconds duration) {
    std::unique_lock lock(mutex);
    return !changed.wait_for(lock, duration, [this] { return stopping; });
  }

  // Holds until `count` requests were in flight at one moment since the records were cleared.
  void holdUntilInFlight(int count) {
    std::unique_lock lock(mutex);
    changed.wait_for(lock, holdLimit, [&] { return stopping || maxInFlight >= count; });
  }

  Handler arrive(const RecordedRequest &record) {
    std::lock_guard lock(mutex);
    records.push_back(record);
    maxInFlight = std::max(maxInFlight, ++inFlight);
    changed.notify_all();
    auto found = handlers.find(record.path);
    return found == handlers.end() ? Handler{} : found->second;
  }

  void leave() {
    std::lock_guard lock(mutex);
    --inFlight;
    changed.notify_all();
  }

  struct StreamProgress {
    FakeResponse::Stream stream;
    std::size_t sent = 0;
  };

  // Sends the next piece, at most `limit` bytes; false when the stream is over or cut.
  bool sendPiece(StreamProgress &progress, httplib::DataSink &sink, std::size_t limit) {
    const auto &stream = progress.stream;
    std::size_t remaining = stream.totalBytes ? *stream.totalBytes - progress.sent : SIZE_MAX;
    std::size_t length = std::min({stream.piece.size(), remaining, limit});
    if (length == 0)
      return false;
    if (progress.sent > 0 && stream.interval.count() > 0 && !pause(stream.interval))
      return false;
    if (!sink.write(stream.piece.data(), length))
      return false;
    progress.sent += length;
    return true;
  }

  void answerWithStream(const FakeResponse &response, httplib::Response &out) {
    auto progress = std::make_shared<StreamProgress>(StreamProgress{*response.stream});
    auto releaser = [this](bool) { leave(); };
    if (auto declared = response.stream->declaredLength) {
      out.set_content_provider(
          *declared, response.contentType,
          [this, progress](std::size_t, std::size_t length, httplib::DataSink &sink) {
            return sendPiece(*progress, sink, length);
          },
          releaser);
      return;
    }
    out.set_chunked_content_provider(
        response.contentType,
        [this, progress](std::size_t, httplib::DataSink &sink) {
          const auto &total = progress->stream.totalBytes;
          if (total && progress->sent >= *total) {
            sink.done();
            return true;
          }
          return sendPiece(*progress, sink, SIZE_MAX);
        },
        releaser);
  }

  httplib::Server::HandlerResponse answer(const httplib::Request &request, httplib::Response &out) {
    RecordedRequest record = recorded(request);
    Handler handler = arrive(record);
    FakeResponse response;
    try {
      response =
          handler ? handler(record) : FakeResponse::text("no handler for " + record.path, 404);
    } catch (const std::exception &error) {
      response = FakeResponse::text(std::string("handler failed: ") + error.what(), 500);
    }
    if (response.holdUntilInFlight > 0)
      holdUntilInFlight(response.holdUntilInFlight);
    if (response.delay.count() > 0)
      pause(response.delay);
    out.status = response.status;
    for (const auto &[name, value] : response.headers)
      out.set_header(name, value);
    if (response.stream) {
      answerWithStream(response, out);
    } else {
      if (!response.body.empty())
        out.set_content(response.body, response.contentType);
      leave();
    }
    return httplib::Server::HandlerResponse::Handled;
  }
};

FakeHttpServer::FakeHttpServer() : state_(std::make_unique<State>()) {
  ignoreBrokenPipes();
  State &state = *state_;
  state.server.new_task_queue = [] { return new httplib::ThreadPool(32); };
  state.server.set_keep_alive_timeout(1);
  state.server.set_pre_routing_handler(
      [&state](const httplib::Request &request, httplib::Response &response) {
        return state.answer(request, response);
      });
  state.port = state.server.bind_to_any_port("127.0.0.1");
  if (state.port <= 0)
    throw std::runtime_error("the fake server cannot bind to 127.0.0.1");
  state.thread = std::thread([&state] { state.server.listen_after_bind(); });
  for (int i = 0; i < 5000 && !state.server.is_running(); ++i)
    std::this_thread::sleep_for(milliseconds(1));
}

FakeHttpServer::~FakeHttpServer() {
  {
    std::lock_guard lock(state_->mutex);
    state_->stopping = true;
  }
  state_->changed.notify_all();
  state_->server.stop();
  state_->thread.join();
}

std::string FakeHttpServer::baseURL() const {
  return "http://127.0.0.1:" + std::to_string(state_->port);
}

std::string FakeHttpServer::url(std::string_view pathAndQuery) const {
  return baseURL() + std::string(pathAndQuery);
}

int FakeHttpServer::port() const { return state_->port; }

void FakeHttpServer::serve(const std::string &path, FakeResponse response) {
  serve(path, [response = std::move(response)](const RecordedRequest &) { return response; });
}

void FakeHttpServer::serve(const std::string &path, Handler handler) {
  std::lock_guard lock(state_->mutex);
  state_->handlers[path] = std::move(handler);
}

std::vector<RecordedRequest> FakeHttpServer::requests() const {
  std::lock_guard lock(state_->mutex);
  return state_->records;
}

std::vector<RecordedRequest> FakeHttpServer::requests(std::string_view path) const {
  std::lock_guard lock(state_->mutex);
  std::vector<RecordedRequest> matching;
  std::ranges::copy_if(state_->records, std::back_inserter(matching),
                       [&](const RecordedRequest &record) { return record.path == path; });
  return matching;
}

std::size_t FakeHttpServer::requestCount() const {
  std::lock_guard lock(state_->mutex);
  return state_->records.size();
}

int FakeHttpServer::maxInFlight() const {
  std::lock_guard lock(state_->mutex);
  return state_->maxInFlight;
}

void FakeHttpServer::clearRecords() {
  std::lock_guard lock(state_->mutex);
  state_->records.clear();
  state_->maxInFlight = state_->inFlight;
}

} // namespace testsupport
