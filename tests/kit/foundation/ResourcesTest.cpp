#include "kit/foundation/Resources.h"

#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

using kit::foundation::resourcesDirectory;
using zavel::test::ScopedEnvironment;

TEST(Resources, EnvironmentOverridesTheFolderBesideTheExecutable) {
  {
    ScopedEnvironment set({{"ZAVEL_RESOURCES", std::string("/tmp/elsewhere")}});
    EXPECT_EQ(resourcesDirectory(), "/tmp/elsewhere");
  }
  ScopedEnvironment empty({{"ZAVEL_RESOURCES", std::string()}});
  EXPECT_EQ(resourcesDirectory().filename(), "resources");
  EXPECT_TRUE(resourcesDirectory().is_absolute());
}
