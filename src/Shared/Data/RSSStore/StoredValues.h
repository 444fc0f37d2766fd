#pragma once

#include "Shared/Data/SharedSuite.h"

// The feeds' values are read and written as every record of the shared suite is: one argument
// order, and a write says whether it stored anything.
namespace zavel::RSSStore {

using SharedSuite::read;
using SharedSuite::write;

} // namespace zavel::RSSStore
