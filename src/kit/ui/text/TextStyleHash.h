#pragma once

#include "kit/ui/text/TextStyle.h"

#include <cstddef>
#include <functional>
#include <string>

namespace kit::ui {

inline void hashCombine(std::size_t &seed, std::size_t value) {
  seed ^= value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
}

template <typename T> void hashInto(std::size_t &seed, const T &value) {
  hashCombine(seed, std::hash<T>{}(value));
}

// Hashes for keeping what was resolved or laid out per font and per style.
struct FontHash {
  std::size_t operator()(const Font &font) const {
    std::size_t seed = 0;
    hashInto(seed, font.source);
    hashInto(seed, font.name);
    hashInto(seed, font.size);
    hashInto(seed, font.weight);
    hashInto(seed, font.width);
    hashInto(seed, font.design);
    hashInto(seed, font.fixedSize);
    return seed;
  }
};

struct TextStyleHash {
  std::size_t operator()(const TextStyle &style) const {
    std::size_t seed = FontHash{}(style.font);
    hashInto(seed, style.tracking);
    hashInto(seed, style.lineLimit.value_or(-1));
    hashInto(seed, style.lineSpacing);
    hashInto(seed, style.minimumScaleFactor);
    hashInto(seed, style.alignment);
    hashInto(seed, style.strikethrough);
    hashInto(seed, style.monospacedDigit);
    return seed;
  }
};

} // namespace kit::ui
