#pragma once

#include <algorithm>

namespace zavel {

// Hairlines of keys, rails and seams follow the design unit but never get thinner than a point
// (a unit that is not a number also gives one point).
inline double hairlineWidth(double u) { return std::max(1.0, u); }

} // namespace zavel
