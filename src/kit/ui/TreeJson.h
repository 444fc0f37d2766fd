#pragma once

#include "kit/ui/LaidOutTree.h"

#include <nlohmann/json.hpp>

namespace kit::ui {

// The laid-out tree as JSON, for tests and the host: for each node its kind, its frame in points
// ([x, y, width, height] in widget coordinates), and what it shows or does (text with font, the
// weight of the face drawn, face and colour; shape with its fill or stroke; effect parameters;
// button intent; link).
nlohmann::json treeJson(const LaidOutTree &tree);
nlohmann::json nodeJson(const LaidOutNode &node, const TextEngine *engine = nullptr);
// A colour as "#RRGGBB" or "#RRGGBBAA"; a gradient as an object with its type, geometry and stops.
nlohmann::json paintJson(const Paint &paint);

} // namespace kit::ui
