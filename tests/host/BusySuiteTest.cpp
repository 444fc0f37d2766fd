#include "Shared/Data/AppGroup.h"
#include "host/HostRun.h"
#include "support/CountedBusyWaits.h"
#include "support/StoreLock.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace zavel::host::testing {
namespace {

// The host application holds the suite locked even against readers, as long as any command
// would wait: `defaults` says the suite is busy, not that the key holds nothing or that the
// suite refused the value; a render still draws, what it could not read taking its default (a
// goal of 8 glasses, though 6 is stored); a press fails as for any write the suite refuses. The
// process waits for the suite once in all.
TEST(BusySuite, CommandsSayTheSuiteIsBusyAndWaitForItOnce) {
  zavel::test::TempHome home;
  ASSERT_EQ(runHostOnWidgets({"defaults", "write", "zavel.watergoal", "6", "--int"}).status, 0);
  zavel::test::StoreLock lock(home.suiteFile(std::string(AppGroup::identifier)),
                              zavel::test::StoreLock::Kind::exclusive);
  zavel::test::CountedBusyWaits waits;
  for (const std::vector<std::string> &words :
       {std::vector<std::string>{"defaults", "read", "zavel.watergoal"},
        {"defaults", "write", "zavel.watergoal", "7", "--int"},
        {"defaults", "delete", "zavel.watergoal"}}) {
    HostResult result = runHostOnWidgets(words);
    EXPECT_EQ(std::tuple(result.status, result.out, result.err),
              std::tuple(1, "",
                         "zavel-widgets: defaults: the suite is busy: another program holds it "
                         "locked\n"))
        << words[1];
  }
  HostResult render = runHostOnWidgets({"render", "zavel.water", "-o", home.path() / "water.png",
                                        "--tree", home.path() / "water.json"});
  EXPECT_EQ(render.status, 0) << render.err;
  EXPECT_NE(fileText(home.path() / "water.json").find("\"OF 8\""), std::string::npos);
  HostResult press = runHostOnWidgets({"perform", "AddWaterIntent"});
  EXPECT_EQ(press.status, 1);
  EXPECT_NE(press.err.find(": another program holds the store"), std::string::npos) << press.err;
  EXPECT_EQ(waits.paused(), std::chrono::milliseconds(5000));
}

} // namespace
} // namespace zavel::host::testing
