#pragma once

namespace kit::foundation {

// Keeps memory the process frees for its next allocations instead of handing it back to the
// system at once: a process that draws picture after picture otherwise returns each picture's
// megabytes and faults them in afresh for the next, which costs more than the drawing. Not for a
// process that draws once: it gains nothing, and blocks taken from the heap must be cleared by
// hand where fresh pages from the system come cleared.
void keepFreedMemoryForReuse();

} // namespace kit::foundation
