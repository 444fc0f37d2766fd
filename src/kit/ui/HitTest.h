#pragma once

#include "kit/ui/LaidOutTree.h"

namespace kit::ui {

// The innermost button or link whose content lies under `point` (widget coordinates, points),
// or null. Like a touch: the front-most content there takes it, so a view drawn over a button
// shields it; gaps inside a label (between stack children) do not count unless a content shape
// covers them; a stroked shape covers only the band of its stroke; clips, rotations and scales
// apply; fully transparent views let touches through.
const LaidOutNode *hitTest(const LaidOutTree &tree, Point point);

} // namespace kit::ui
