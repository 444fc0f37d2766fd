#pragma once

#include <cstdint>

namespace zavel {

// The position `step` places on from `index` around a list of `count` (back for a negative
// step): always in 0 … count − 1, whatever was stored or pressed, and without overflowing; 0
// for an empty list.
int64_t cycledIndex(int64_t index, int64_t step, int64_t count);

} // namespace zavel
