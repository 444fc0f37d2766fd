#include "support/FakeResponse.h"

#include <zlib.h>

#include <memory>
#include <stdexcept>

namespace testsupport {

namespace {

constexpr const char *binary = "application/octet-stream";

std::string gzipCompressed(const std::string &text) {
  z_stream stream{};
  // 15 window bits plus 16 asks zlib for the gzip wrapper.
  if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY) != Z_OK)
    throw std::runtime_error("deflateInit2 failed");
  std::unique_ptr<z_stream, int (*)(z_stream *)> guard(&stream, deflateEnd);
  std::string out(deflateBound(&stream, text.size()), '\0');
  stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(text.data()));
  stream.avail_in = static_cast<uInt>(text.size());
  stream.next_out = reinterpret_cast<Bytef *>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  if (deflate(&stream, Z_FINISH) != Z_STREAM_END)
    throw std::runtime_error("deflate failed");
  out.resize(stream.total_out);
  return out;
}

FakeResponse streamed(FakeResponse::Stream stream) {
  FakeResponse response;
  response.contentType = binary;
  response.stream = std::move(stream);
  return response;
}

} // namespace

FakeResponse FakeResponse::json(std::string body, int status) {
  return text(std::move(body), status, "application/json");
}

FakeResponse FakeResponse::xml(std::string body, int status) {
  return text(std::move(body), status, "application/xml");
}

FakeResponse FakeResponse::text(std::string body, int status, std::string contentType) {
  FakeResponse response;
  response.status = status;
  response.contentType = std::move(contentType);
  response.body = std::move(body);
  return response;
}

FakeResponse FakeResponse::redirect(std::string location, int status) {
  FakeResponse response = text("", status);
  response.headers.emplace_back("Location", std::move(location));
  return response;
}

FakeResponse FakeResponse::gzip(const std::string &body, std::string contentType) {
  std::string compressed = gzipCompressed(body);
  std::size_t size = compressed.size();
  // Streamed with its length, so the server sends the bytes as they are.
  FakeResponse response = streamed({std::move(compressed), size, {}, size});
  response.contentType = std::move(contentType);
  response.headers.emplace_back("Content-Encoding", "gzip");
  return response;
}

FakeResponse FakeResponse::slowly(std::string piece, std::size_t count,
                                  std::chrono::milliseconds interval) {
  std::size_t total = piece.size() * count;
  return streamed({std::move(piece), total, interval, total});
}

FakeResponse FakeResponse::trickle(std::chrono::milliseconds interval) {
  return streamed({"x", {}, interval, {}});
}

FakeResponse FakeResponse::endless() { return streamed({std::string(64 * 1024, 'x'), {}, {}, {}}); }

FakeResponse FakeResponse::huge(std::size_t bytes, bool declareLength) {
  return streamed({std::string(64 * 1024, 'x'),
                   bytes,
                   {},
                   declareLength ? std::optional(bytes) : std::nullopt});
}

FakeResponse FakeResponse::truncated(std::size_t declaredLength, std::size_t sentBytes) {
  return streamed({std::string(1024, 'x'), sentBytes, {}, declaredLength});
}

} // namespace testsupport
