#include "Shared/Data/AppGroup.h"

#include "support/TempHome.h"

#include <fstream>
#include <gtest/gtest.h>

using zavel::test::ScopedEnvironment;
using zavel::test::TempHome;

TEST(AppGroup, ContainerIsCreatedUnderTheHome) {
  TempHome home;
  auto container = zavel::AppGroup::containerURL();
  EXPECT_EQ(container, home.path() / "containers" / "QK7R2WX9P4.com.brekholt.zavel");
  EXPECT_TRUE(std::filesystem::is_directory(container));
  EXPECT_EQ(zavel::AppGroup::containerURL(), container);
}

TEST(AppGroup, ContainerThatCannotBeHadFallsBackToTheTemporaryFolder) {
  TempHome temporary;
  TempHome home; // the later one is ZAVEL_HOME
  ScopedEnvironment tmpdir({{"TMPDIR", temporary.path().string()}});
  std::ofstream(home.path() / "containers") << "a file where the folder belongs";
  EXPECT_EQ(zavel::AppGroup::containerURL(), temporary.path());
}
