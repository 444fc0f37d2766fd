#pragma once

#include "kit/ui/text/TextStyle.h"

#include <cstddef>
#include <functional>

namespace kit::ui {

template <typename... T> std::size_t hashOf(const T &...values) {
  std::size_t seed = 0;
  ((seed ^= std::hash<T>{}(values) + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2)), ...);
  return seed;
}

// Hashes for keeping what was resolved or laid out per font and per style.
struct FontHash {
  std::size_t operator()(const Font &font) const {
    return hashOf(font.source, font.name, font.size, font.weight, font.width, font.design,
                  font.fixedSize);
  }
};

struct TextStyleHash {
  std::size_t operator()(const TextStyle &style) const {
    return hashOf(FontHash{}(style.font), style.tracking, style.lineLimit.value_or(-1),
                  style.lineSpacing, style.minimumScaleFactor, style.alignment, style.strikethrough,
                  style.monospacedDigit);
  }
};

} // namespace kit::ui
