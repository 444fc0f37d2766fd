#pragma once

#include <cstddef>
#include <string_view>

namespace kit::foundation {

// The deepest nesting of arrays and objects any JSON we read may have. Real records nest a few
// levels; the parser, its values' destructor and the writer all recurse or grow with the depth,
// so text nested deeper is refused before any of them sees it.
inline constexpr std::size_t largestJsonNesting = 512;

// Whether no array or object in `text` lies more than `largest` levels deep (a top-level array
// is one level). Brackets inside strings do not count. Linear, and never fails: text that is
// not JSON is left for the parser to refuse.
bool jsonNestsWithin(std::string_view text, std::size_t largest = largestJsonNesting);

} // namespace kit::foundation
