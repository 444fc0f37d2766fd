#include "Shared/Data/RSSStore/TextCleaning.h"

#include "kit/foundation/TextOperations.h"
#include "kit/foundation/Utf8.h"

#include <array>
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

// White space as regular expressions see it: Unicode's, but for the vertical tab and the next
// line control.
bool isRegexSpace(int32_t c) {
  return c != '\v' && c != 0x85 &&
         (kit::foundation::isWhitespace(c) || kit::foundation::isNewline(c));
}

std::string collapsingSpaces(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  bool inRun = false;
  for (std::size_t at = 0; at < text.size();) {
    std::size_t start = at;
    int32_t c = static_cast<unsigned char>(text[at]);
    if (c < 0x80) {
      ++at;
    } else {
      auto next = kit::foundation::codePointAt(text, at);
      c = next.value;
      at += next.length;
    }
    if (isRegexSpace(c)) {
      if (!inRun)
        result.push_back(' ');
      inRun = true;
    } else {
      result.append(text.substr(start, at - start));
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
