#include "Shared/Data/RSSStore/TextCleaning.h"

#include "kit/foundation/TextOperations.h"

#include <array>
#include <unicode/uchar.h>
#include <unicode/utf8.h>
#include <utility>

namespace zavel::RSSStore {

namespace {

// The HTML entities feeds leave in their text, decoded in this order; "&amp;" last, so a doubly
// escaped entity is decoded once only.
constexpr std::array<std::pair<std::string_view, std::string_view>, 19> kEntities = {{
    {"&lt;", "<"},         {"&gt;", ">"},          {"&quot;", "\""},      {"&#34;", "\""},
    {"&#39;", "'"},        {"&apos;", "'"},        {"&nbsp;", " "},       {"&#160;", " "},
    {"&#8216;", "'"},      {"&#8217;", "'"},       {"&#8220;", "\u201C"}, {"&#8221;", "\u201D"},
    {"&#8230;", "\u2026"}, {"&hellip;", "\u2026"}, {"&mdash;", "\u2014"}, {"&#8212;", "\u2014"},
    {"&ndash;", "\u2013"}, {"&#8211;", "\u2013"},  {"&amp;", "&"},
}};

// Every tag ("<" then at least one character other than ">" then ">") becomes one space.
std::string withoutTags(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t open = text.find('<', at);
    if (open == std::string_view::npos)
      break;
    std::size_t close = text.find('>', open + 1);
    if (close == std::string_view::npos)
      break;
    if (close == open + 1) {
      result.append(text.substr(at, close - at));
      at = close;
      continue;
    }
    result.append(text.substr(at, open - at));
    result.push_back(' ');
    at = close + 1;
  }
  result.append(text.substr(at));
  return result;
}

void replaceAll(std::string &text, std::string_view entity, std::string_view replacement) {
  std::size_t at = text.find(entity);
  if (at == std::string::npos)
    return;
  std::string result;
  result.reserve(text.size());
  std::size_t from = 0;
  for (; at != std::string::npos; at = text.find(entity, from)) {
    result.append(text, from, at - from);
    result.append(replacement);
    from = at + entity.size();
  }
  result.append(text, from);
  text = std::move(result);
}

// White space as regular expressions see it: tab, line feed, form feed, carriage return and
// every Unicode separator.
bool isRegexSpace(UChar32 c) {
  if (c == '\t' || c == '\n' || c == '\f' || c == '\r')
    return true;
  if (c < 0x80)
    return c == ' ';
  int8_t type = u_charType(c);
  return type == U_SPACE_SEPARATOR || type == U_LINE_SEPARATOR || type == U_PARAGRAPH_SEPARATOR;
}

std::string collapsingSpaces(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  const auto *bytes = reinterpret_cast<const uint8_t *>(text.data());
  auto length = static_cast<int64_t>(text.size());
  bool inRun = false;
  for (int64_t at = 0; at < length;) {
    int64_t start = at;
    UChar32 c = bytes[at];
    if (c < 0x80) {
      ++at;
    } else {
      int32_t offset = 0;
      auto window = static_cast<int32_t>(std::min<int64_t>(length - at, 4));
      U8_NEXT(bytes + at, offset, window, c);
      at += offset;
    }
    if (isRegexSpace(c)) {
      if (!inRun)
        result.push_back(' ');
      inRun = true;
    } else {
      result.append(
          text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(at - start)));
      inRun = false;
    }
  }
  return result;
}

} // namespace

std::optional<std::string> cleanText(std::string_view text) {
  std::string cleaned = withoutTags(text);
  if (cleaned.find('&') != std::string::npos) {
    for (const auto &[entity, replacement] : kEntities)
      replaceAll(cleaned, entity, replacement);
  }
  cleaned = kit::foundation::trimmingWhitespace(collapsingSpaces(cleaned));
  if (cleaned.empty())
    return std::nullopt;
  return cleaned;
}

} // namespace zavel::RSSStore
