#pragma once

#include "kit/foundation/Clock.h"

#include "support/ScratchTree.h"
#include "support/TempHome.h"

#include <filesystem>
#include <string>

namespace zavel::test {

// A machine for readers of system figures: a fake /proc and /sys tree, an empty app group and
// a clock the test moves.
class FakeMachine {
public:
  const std::filesystem::path &root() const { return tree_.root(); }
  const std::filesystem::path &home() const { return home_.path(); }
  const test_support::ScratchTree &tree() const { return tree_; }

  // Reads whatever `now` holds at the moment of the reading.
  kit::foundation::Clock clock() const {
    return kit::foundation::Clock([this] { return now; });
  }

  kit::foundation::Date now{700'000'000};

private:
  test_support::ScratchTree tree_;
  TempHome home_;
};

} // namespace zavel::test
