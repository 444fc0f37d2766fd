#include "Shared/Data/CycledIndex.h"

#include <algorithm>

namespace zavel {

int64_t shownIndex(int64_t index, int64_t count) {
  if (count <= 0)
    return 0;
  return std::clamp<int64_t>(index, 0, count - 1);
}

int64_t cycledIndex(int64_t index, int64_t step, int64_t count) {
  if (count <= 0)
    return 0;
  // From the position the user sees, so "next" on the last one shown comes round to the first;
  // the step is brought into range first, so the sum cannot overflow.
  int64_t stepInRange = (step % count + count) % count;
  return (shownIndex(index, count) + stepInRange) % count;
}

} // namespace zavel
