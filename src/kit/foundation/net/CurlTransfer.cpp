#include "kit/foundation/net/CurlTransfer.h"

#include "kit/foundation/TextOperations.h"
#include "kit/foundation/net/CurlError.h"
#include "kit/foundation/net/CurlLibrary.h"
#include "kit/foundation/net/HttpError.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <limits>
#include <memory>

namespace kit::foundation {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

struct EasyDeleter {
  void operator()(CURL *handle) const { curlLibrary().easy_cleanup(handle); }
};
struct MultiDeleter {
  void operator()(CURLM *handle) const { curlLibrary().multi_cleanup(handle); }
};
struct ListDeleter {
  void operator()(curl_slist *list) const { curlLibrary().slist_free_all(list); }
};
struct UrlDeleter {
  void operator()(CURLU *handle) const { curlLibrary().url_cleanup(handle); }
};
using Easy = std::unique_ptr<CURL, EasyDeleter>;
using Multi = std::unique_ptr<CURLM, MultiDeleter>;
using HeaderList = std::unique_ptr<curl_slist, ListDeleter>;

// Keeps an easy handle in a multi handle; removes it before either is cleaned up.
class Attachment {
public:
  Attachment(CURLM *multi, CURL *easy) : multi_(multi), easy_(easy) {
    if (curlLibrary().multi_add_handle(multi, easy) != CURLM_OK)
      throw HttpError(HttpError::Code::networkConnectionLost, "cannot start the transfer");
  }
  ~Attachment() { curlLibrary().multi_remove_handle(multi_, easy_); }
  Attachment(const Attachment &) = delete;
  Attachment &operator=(const Attachment &) = delete;

private:
  CURLM *multi_;
  CURL *easy_;
};

// Only http and https are loaded; anything else fails before a connection is made.
void checkURL(const std::string &url) {
  auto colon = url.find(':');
  if (colon != std::string::npos && colon > 0 && std::isalpha(static_cast<unsigned char>(url[0]))) {
    std::string scheme = url.substr(0, colon);
    bool isScheme = std::all_of(scheme.begin(), scheme.end(), [](unsigned char c) {
      return std::isalnum(c) || c == '+' || c == '-' || c == '.';
    });
    if (isScheme && !equalsIgnoringASCIICase(scheme, "http") &&
        !equalsIgnoringASCIICase(scheme, "https"))
      throw HttpError(HttpError::Code::unsupportedURL, url);
  }
  std::unique_ptr<CURLU, UrlDeleter> parsed(curlLibrary().url());
  if (!parsed)
    throw HttpError(HttpError::Code::networkConnectionLost, "out of memory");
  if (curlLibrary().url_set(parsed.get(), CURLUPART_URL, url.c_str(), 0) != CURLUE_OK)
    throw HttpError(HttpError::Code::badURL, url);
}

// What the callbacks see: the body so far and when data last arrived.
struct Progress {
  std::string body;
  std::size_t maxBodyBytes = 0;
  bool exceeded = false;
  Clock::time_point lastData;
};

std::size_t receiveBody(char *data, std::size_t size, std::size_t count, void *user) {
  auto &progress = *static_cast<Progress *>(user);
  std::size_t length = size * count;
  progress.lastData = Clock::now();
  // Refusing the bytes ends the transfer: an undeclared or lying length never grows the buffer.
  if (length > progress.maxBodyBytes - progress.body.size()) {
    progress.exceeded = true;
    return 0;
  }
  progress.body.append(data, length);
  return length;
}

std::size_t receiveHeader(char *, std::size_t size, std::size_t count, void *user) {
  static_cast<Progress *>(user)->lastData = Clock::now();
  return size * count;
}

HeaderList headerList(const std::vector<HttpHeader> &headers) {
  HeaderList list;
  for (const auto &header : headers) {
    std::string line = header.name + ": " + header.value;
    curl_slist *appended = curlLibrary().slist_append(list.get(), line.c_str());
    if (!appended)
      throw HttpError(HttpError::Code::networkConnectionLost, "out of memory");
    list.release();
    list.reset(appended);
  }
  return list;
}

void configure(CURL *easy, const std::string &url, const std::string &userAgent,
               const TransferLimits &limits, curl_slist *headers, Progress &progress,
               char *errorBuffer) {
  const CurlLibrary &curl = curlLibrary();
  curl.easy_setopt(easy, CURLOPT_URL, url.c_str());
  curl.easy_setopt(easy, CURLOPT_HTTPGET, 1L);
  curl.easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
  curl.easy_setopt(easy, CURLOPT_ERRORBUFFER, errorBuffer);
  curl.easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
  curl.easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl.easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
  curl.easy_setopt(easy, CURLOPT_MAXREDIRS, limits.maxRedirects);
  curl.easy_setopt(easy, CURLOPT_ACCEPT_ENCODING, "");
  curl.easy_setopt(easy, CURLOPT_USERAGENT, userAgent.c_str());
  curl.easy_setopt(easy, CURLOPT_HTTPHEADER, headers);
  // A declared length over the cap fails before the body is read.
  curl.easy_setopt(
      easy, CURLOPT_MAXFILESIZE_LARGE,
      static_cast<curl_off_t>(std::min<std::size_t>(
          limits.maxBodyBytes, static_cast<std::size_t>(std::numeric_limits<curl_off_t>::max()))));
  curl.easy_setopt(easy, CURLOPT_WRITEFUNCTION, receiveBody);
  curl.easy_setopt(easy, CURLOPT_WRITEDATA, &progress);
  curl.easy_setopt(easy, CURLOPT_HEADERFUNCTION, receiveHeader);
  curl.easy_setopt(easy, CURLOPT_HEADERDATA, &progress);
}

// Limits beyond a year mean "never" and must not overflow the clock.
milliseconds bounded(milliseconds limit) {
  return std::clamp(limit, milliseconds(0), milliseconds(std::chrono::hours(24 * 365)));
}

milliseconds ceilMilliseconds(Clock::duration duration) {
  return std::chrono::ceil<milliseconds>(duration);
}

// Drives the transfer until it ends, giving up when no data came for the time-out or when
// the deadline has passed. Returns libcurl's result.
CURLcode run(CURLM *multi, const TransferLimits &limits, Progress &progress) {
  Clock::time_point start = Clock::now();
  progress.lastData = start;
  milliseconds timeout = bounded(limits.timeout);
  std::optional<Clock::time_point> deadline;
  if (limits.deadline)
    deadline = start + bounded(*limits.deadline);
  for (;;) {
    int running = 0;
    if (CURLMcode code = curlLibrary().multi_perform(multi, &running); code != CURLM_OK)
      throw HttpError(HttpError::Code::networkConnectionLost, curlLibrary().multi_strerror(code));
    if (running == 0)
      break;
    Clock::time_point now = Clock::now();
    Clock::time_point stallAt = progress.lastData + timeout;
    if (now >= stallAt)
      throw HttpError(HttpError::Code::timedOut,
                      "no data for " + std::to_string(limits.timeout.count()) + " ms");
    if (deadline && now >= *deadline)
      throw HttpError(HttpError::Code::timedOut,
                      "deadline of " + std::to_string(limits.deadline->count()) + " ms passed");
    Clock::time_point wakeAt = deadline ? std::min(stallAt, *deadline) : stallAt;
    auto wait = std::clamp(ceilMilliseconds(wakeAt - now), milliseconds(1), milliseconds(1000));
    curlLibrary().multi_poll(multi, nullptr, 0, static_cast<int>(wait.count()), nullptr);
  }
  int queued = 0;
  while (CURLMsg *message = curlLibrary().multi_info_read(multi, &queued)) {
    if (message->msg == CURLMSG_DONE)
      return message->data.result;
  }
  return CURLE_RECV_ERROR;
}

HttpResponse response(CURL *easy, std::string body) {
  HttpResponse result;
  curlLibrary().easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &result.statusCode);
  char *effective = nullptr;
  if (curlLibrary().easy_getinfo(easy, CURLINFO_EFFECTIVE_URL, &effective) == CURLE_OK && effective)
    result.url = effective;
  result.body = std::move(body);
  return result;
}

} // namespace

HttpResponse performTransfer(const HttpRequest &request, const std::string &userAgent,
                             const TransferLimits &limits) {
  checkURL(request.url);
  // Declared before the handles, which may use them until they are cleaned up.
  Progress progress;
  progress.maxBodyBytes = limits.maxBodyBytes;
  char errorBuffer[CURL_ERROR_SIZE] = {};
  HeaderList headers = headerList(request.headers);
  Multi multi(curlLibrary().multi_init());
  Easy easy(curlLibrary().easy_init());
  if (!multi || !easy)
    throw HttpError(HttpError::Code::networkConnectionLost, "cannot create a transfer");
  configure(easy.get(), request.url, userAgent, limits, headers.get(), progress, errorBuffer);

  CURLcode result;
  {
    Attachment attachment(multi.get(), easy.get());
    result = run(multi.get(), limits, progress);
  }
  if (result == CURLE_OK)
    return response(easy.get(), std::move(progress.body));
  if (progress.exceeded)
    throw HttpError(HttpError::Code::dataLengthExceedsMaximum,
                    "body over " + std::to_string(limits.maxBodyBytes) + " bytes");
  std::string detail = errorBuffer[0] ? errorBuffer : curlLibrary().easy_strerror(result);
  throw HttpError(httpErrorCode(result), detail + " (" + request.url + ")");
}

} // namespace kit::foundation
