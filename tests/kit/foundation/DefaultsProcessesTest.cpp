#include "kit/foundation/Defaults.h"
#include "kit/foundation/DefaultsCoercion.h"

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

// Two processes writing many keys at once; then, several times over, four processes creating a
// fresh suite at once.
TEST(DefaultsProcesses, ProcessesWritingAtOnceLoseNothing) {
  for (auto [processes, writes, rounds] : {std::tuple{2, 150, 1}, {4, 1, 8}}) {
    for (int round = 0; round < rounds; ++round) {
      TempHome home;
      ASSERT_TRUE(runInProcessesAtOnce(processes, [&, writes = writes](int process) {
        for (int i = 1; i <= writes; ++i)
          if (!writeOnce(home, fmt::format("p{}.k{}", process, i), i))
            return false;
        return true;
      }));
      auto suite = Defaults::suite(kSuite, home.path());
      ASSERT_TRUE(suite);
      for (int process = 0; process < processes; ++process)
        for (int i = 1; i <= writes; ++i)
          ASSERT_EQ(suite->integer(fmt::format("p{}.k{}", process, i)), i) << process;
      EXPECT_FALSE(std::filesystem::exists(home.suiteFile("standard")));
    }
  }
}

// Eight processes, each adding 1 to one counter 25 times by read-modify-write: none is lost.
TEST(DefaultsProcesses, UpdatesAtOnceAllCount) {
  TempHome home;
  ASSERT_TRUE(runInProcessesAtOnce(8, [&](int) {
    for (int i = 0; i < 25; ++i) {
      auto suite = Defaults::suite(kSuite, home.path());
      auto increment = [](const std::optional<kit::foundation::DefaultsValue> &value) {
        return kit::foundation::DefaultsChange::replace(kit::foundation::integerOf(value) + 1);
      };
      if (!suite || !suite->update("counter", increment))
        return false;
    }
    return true;
  }));
  EXPECT_EQ(Defaults::suite(kSuite, home.path())->integer("counter"), 200);
}
