#include "kit/foundation/Defaults.h"

#include "support/Processes.h"
#include "support/TempHome.h"

#include <fmt/format.h>
#include <gtest/gtest.h>

using kit::foundation::Defaults;
using zavel::test::runInProcessesAtOnce;
using zavel::test::TempHome;

namespace {

constexpr const char *kSuite = "group.test";

// One access as the widgets make it: open, write, close.
bool writeOnce(const TempHome &home, const std::string &key, int64_t value) {
  auto suite = Defaults::suite(kSuite, home.path());
  return suite && suite->set(key, value);
}

} // namespace

TEST(DefaultsProcesses, TwoProcessesWritingAtOnceLoseNothing) {
  constexpr int kWrites = 150;
  TempHome home;
  bool succeeded = runInProcessesAtOnce(2, [&](int process) {
    for (int i = 0; i < kWrites; ++i) {
      if (!writeOnce(home, fmt::format("p{}.k{}", process, i), i))
        return false;
    }
    return true;
  });
  ASSERT_TRUE(succeeded);
  auto suite = Defaults::suite(kSuite, home.path());
  ASSERT_TRUE(suite);
  for (int process = 0; process < 2; ++process) {
    for (int i = 0; i < kWrites; ++i)
      ASSERT_EQ(suite->object(fmt::format("p{}.k{}", process, i)),
                kit::foundation::DefaultsValue(int64_t{i}));
  }
}

TEST(DefaultsProcesses, FourProcessesCreatingAFreshSuiteAtOnceAllSucceed) {
  for (int round = 0; round < 8; ++round) {
    TempHome home;
    bool succeeded = runInProcessesAtOnce(
        4, [&](int process) { return writeOnce(home, fmt::format("p{}", process), process); });
    ASSERT_TRUE(succeeded) << "round " << round;
    auto suite = Defaults::suite(kSuite, home.path());
    ASSERT_TRUE(suite);
    for (int process = 0; process < 4; ++process)
      EXPECT_EQ(suite->integer(fmt::format("p{}", process)), process) << "round " << round;
    EXPECT_FALSE(std::filesystem::exists(home.suiteFile("standard")));
  }
}
