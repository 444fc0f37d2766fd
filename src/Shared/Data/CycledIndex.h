#pragma once

#include <cstdint>

namespace zavel {

// The position a deck shows for a stored `index` in a list of `count`: another writer, or a list
// that shrank, may have left it negative or past the end, so it is held to 0 … count − 1; 0 for
// an empty list.
int64_t shownIndex(int64_t index, int64_t count);

// The position `step` places on from the one shown for `index` (back for a negative step), around
// a list of `count`: always in 0 … count − 1, whatever was stored or pressed, and without
// overflowing; 0 for an empty list.
int64_t cycledIndex(int64_t index, int64_t step, int64_t count);

} // namespace zavel
