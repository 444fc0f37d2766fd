#include "kit/foundation/net/URLEncoding.h"

#include <algorithm>

namespace kit::foundation {

namespace {

bool isUnreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~';
}

bool isSegmentCharacter(unsigned char c) {
  return isUnreserved(c) ||
         std::string_view("!$&'()*+,;=:@").find(static_cast<char>(c)) != std::string_view::npos;
}

template <typename Keep> std::string percentEncoded(std::string_view text, Keep keep) {
  static constexpr char hex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  for (unsigned char c : text) {
    if (keep(c)) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 0xF];
    }
  }
  return out;
}

} // namespace

std::string percentEncodedQueryComponent(std::string_view text) {
  return percentEncoded(text, isUnreserved);
}

std::string percentEncodedPathSegment(std::string_view text) {
  bool onlyDots =
      !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c == '.'; });
  if (onlyDots)
    return percentEncoded(text, [](unsigned char) { return false; });
  return percentEncoded(text, isSegmentCharacter);
}

std::string urlWithQueryItems(std::string_view url, const std::vector<URLQueryItem> &items) {
  std::string_view fragment;
  if (auto hash = url.find('#'); hash != std::string_view::npos) {
    fragment = url.substr(hash);
    url = url.substr(0, hash);
  }
  url = url.substr(0, url.find('?'));
  std::string out(url);
  for (std::size_t i = 0; i < items.size(); ++i) {
    out += i == 0 ? '?' : '&';
    out += percentEncodedQueryComponent(items[i].name);
    out += '=';
    out += percentEncodedQueryComponent(items[i].value);
  }
  out += fragment;
  return out;
}

std::string appendingPath(std::string_view base, std::string_view path) {
  if (!base.empty() && base.back() == '/')
    base.remove_suffix(1);
  std::string out(base);
  if (!path.empty() && path.front() != '/')
    out += '/';
  out += path;
  return out;
}

} // namespace kit::foundation
