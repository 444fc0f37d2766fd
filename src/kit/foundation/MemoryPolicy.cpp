#include "kit/foundation/MemoryPolicy.h"

#include <malloc.h>

namespace kit::foundation {

void keepFreedMemoryForReuse() {
  // Blocks below this come from the heap and are reused when freed (the most glibc allows).
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  // The free top of the heap is handed back only beyond this.
  mallopt(M_TRIM_THRESHOLD, 64 << 20);
}

} // namespace kit::foundation
