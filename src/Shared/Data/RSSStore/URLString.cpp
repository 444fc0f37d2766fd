#include "Shared/Data/RSSStore/URLString.h"

#include "kit/foundation/TextOperations.h"

#include <algorithm>
#include <cctype>

namespace zavel {

namespace {

bool isAlpha(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHex(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

// Unreserved and reserved characters; "%" is checked with its escape.
bool isURLCharacter(char c) {
  static constexpr std::string_view kOthers = "-._~:/?#[]@!$&'()*+,;=";
  return isAlpha(c) || isDigit(c) || kOthers.find(c) != std::string_view::npos;
}

bool hasOnlyURLCharacters(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%') {
      if (i + 2 >= text.size() || !isHex(text[i + 1]) || !isHex(text[i + 2]))
        return false;
      i += 2;
    } else if (!isURLCharacter(text[i])) {
      return false;
    }
  }
  return true;
}

// The scheme when the text starts with one: the text before a ":" that comes before any "/",
// "?" or "#". Empty when there is none.
std::string_view schemePart(std::string_view text) {
  std::size_t colon = text.find(':');
  if (colon == std::string_view::npos)
    return {};
  std::size_t separator = text.find_first_of("/?#");
  if (separator != std::string_view::npos && separator < colon)
    return {};
  return text.substr(0, colon + 1);
}

bool isValidScheme(std::string_view scheme) {
  return !scheme.empty() && isAlpha(scheme.front()) &&
         std::all_of(scheme.begin(), scheme.end(), [](char c) {
           return isAlpha(c) || isDigit(c) || c == '+' || c == '-' || c == '.';
         });
}

} // namespace

bool isURLString(std::string_view text) {
  if (text.empty() || !hasOnlyURLCharacters(text))
    return false;
  std::string_view withColon = schemePart(text);
  return withColon.empty() || isValidScheme(withColon.substr(0, withColon.size() - 1));
}

bool isWebLink(std::string_view text) {
  if (!isURLString(text))
    return false;
  std::string_view withColon = schemePart(text);
  std::string_view scheme = withColon.substr(0, withColon.empty() ? 0 : withColon.size() - 1);
  if (!kit::foundation::equalsIgnoringASCIICase(scheme, "http") &&
      !kit::foundation::equalsIgnoringASCIICase(scheme, "https"))
    return false;
  std::string_view rest = text.substr(withColon.size());
  if (!rest.starts_with("//"))
    return false;
  std::string_view authority = rest.substr(2, rest.find_first_of("/?#", 2) - 2);
  std::size_t at = authority.rfind('@');
  std::string_view host = at == std::string_view::npos ? authority : authority.substr(at + 1);
  return !host.empty() && host.front() != ':';
}

} // namespace zavel
