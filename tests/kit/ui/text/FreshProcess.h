#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace kit::ui::testing {

// Checks made inside a child process, where only the exit status reaches the test: each failed
// check is printed on stderr, which the test shows when the child fails.
class ChildChecks {
public:
  template <typename Actual, typename Expected>
  void equal(const Actual &actual, const Expected &expected, const std::string &what) {
    if (actual == expected)
      return;
    std::string line = what + ": got " + ::testing::PrintToString(actual) + ", expected " +
                       ::testing::PrintToString(expected) + "\n";
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
    passed_ = false;
  }
  bool passed() const { return passed_; }

private:
  bool passed_ = true;
};

// Process-wide font state cannot be undone, so checks of how it starts out run in a newly
// started copy of the test program, where no font is registered and no font map made yet.
inline void expectInFreshProcess(const std::function<void(ChildChecks &)> &body) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        ChildChecks checks;
        body(checks);
        std::_Exit(checks.passed() ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

} // namespace kit::ui::testing
