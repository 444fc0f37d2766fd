#pragma once

#include <concepts>
#include <string>
#include <string_view>
#include <vector>

// Ranges the views walk, as plain containers: clang 14 cannot use libstdc++ 12's
// std::views::iota and std::views::split, and the fuzz harnesses are built with it.
namespace zavel {

// 0, 1, …, count − 1; none when `count` is not positive.
template <std::integral Int> std::vector<Int> indices(Int count) {
  std::vector<Int> result;
  for (Int i = 0; i < count; ++i)
    result.push_back(i);
  return result;
}

// The pieces of `text` between `separator`s, empty pieces left out.
std::vector<std::string> nonEmptyPieces(std::string_view text, char separator);

} // namespace zavel
