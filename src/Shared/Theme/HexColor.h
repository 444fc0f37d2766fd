#pragma once

#include "kit/ui/Color.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace zavel {

// The colour written as six hex digits (RRGGBB) or eight (RRGGBBAA) after an optional "#", as the
// host application stores a custom accent. White space and line breaks around it are ignored.
// The digits may start with "+", or with "-" when they read zero, as the host's own number
// parsing allows; anything else gives none. Written by hand because the C library's parsers also
// take leading blanks, "0x" and wrapped negative numbers.
constexpr std::optional<kit::ui::Color> colorFromHexString(std::string_view text);

// A colour literal that must parse: a text that does not fails to compile.
consteval kit::ui::Color hexColor(std::string_view text);

// ---- Implementation -------------------------------------------------------------------------

namespace detail {

// Unicode white space and line breaks, as UTF-8.
inline constexpr std::string_view whitespaceAndNewlines[] = {
    " ",      "\t",     "\n",     "\v",     "\f",     "\r",     "\u0085", "\u00A0", "\u1680",
    "\u2000", "\u2001", "\u2002", "\u2003", "\u2004", "\u2005", "\u2006", "\u2007", "\u2008",
    "\u2009", "\u200A", "\u2028", "\u2029", "\u202F", "\u205F", "\u3000",
};

constexpr std::string_view trimmed(std::string_view text) {
  for (bool trimming = true; trimming;) {
    trimming = false;
    for (std::string_view space : whitespaceAndNewlines) {
      if (text.starts_with(space)) {
        text.remove_prefix(space.size());
        trimming = true;
      }
      if (text.ends_with(space)) {
        text.remove_suffix(space.size());
        trimming = true;
      }
    }
  }
  return text;
}

constexpr std::optional<unsigned> hexDigit(char c) {
  if (c >= '0' && c <= '9')
    return static_cast<unsigned>(c - '0');
  if (c >= 'a' && c <= 'f')
    return static_cast<unsigned>(c - 'a' + 10);
  if (c >= 'A' && c <= 'F')
    return static_cast<unsigned>(c - 'A' + 10);
  return std::nullopt;
}

// An optional sign and at least one hex digit; at most eight characters reach here, so the value
// cannot overflow.
constexpr std::optional<uint32_t> hexValue(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty())
    return std::nullopt;
  uint32_t value = 0;
  for (char c : text) {
    auto digit = hexDigit(c);
    if (!digit)
      return std::nullopt;
    value = value * 16 + *digit;
  }
  if (negative && value != 0)
    return std::nullopt;
  return value;
}

constexpr double byteAt(uint32_t value, int shift) { return ((value >> shift) & 0xFF) / 255.0; }

} // namespace detail

constexpr std::optional<kit::ui::Color> colorFromHexString(std::string_view text) {
  text = detail::trimmed(text);
  if (text.starts_with('#'))
    text.remove_prefix(1);
  if (text.size() != 6 && text.size() != 8)
    return std::nullopt;
  auto value = detail::hexValue(text);
  if (!value)
    return std::nullopt;
  using detail::byteAt;
  if (text.size() == 8)
    return kit::ui::Color::rgb(byteAt(*value, 24), byteAt(*value, 16), byteAt(*value, 8),
                               byteAt(*value, 0));
  return kit::ui::Color::rgb(byteAt(*value, 16), byteAt(*value, 8), byteAt(*value, 0));
}

consteval kit::ui::Color hexColor(std::string_view text) {
  auto color = colorFromHexString(text);
  if (!color)
    throw std::invalid_argument("not a hex colour");
  return *color;
}

} // namespace zavel
