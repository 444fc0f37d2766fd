#include "Shared/Data/CycledIndex.h"

namespace zavel {

namespace {

// The position in 0 … count − 1 that `value` stands for, counted around the list.
int64_t wrapped(int64_t value, int64_t count) { return (value % count + count) % count; }

} // namespace

int64_t cycledIndex(int64_t index, int64_t step, int64_t count) {
  if (count <= 0)
    return 0;
  // Both brought into range first, so the sum cannot overflow.
  return wrapped(wrapped(index, count) + wrapped(step, count), count);
}

} // namespace zavel
