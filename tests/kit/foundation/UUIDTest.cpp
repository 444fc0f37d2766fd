#include "kit/foundation/UUID.h"

#include <gtest/gtest.h>

using kit::foundation::UUID;

TEST(UUID, ReadsEitherCaseWritesUpperCaseAndRefusesAnyOtherForm) {
  auto lower = UUID::fromString("e621e1f8-c36c-495a-93fc-0c247a3e6e5f");
  ASSERT_TRUE(lower);
  EXPECT_EQ(lower, UUID::fromString("E621E1F8-C36C-495A-93FC-0C247A3E6E5F"));
  EXPECT_EQ(lower->uuidString(), "E621E1F8-C36C-495A-93FC-0C247A3E6E5F");
  for (const char *text :
       {"E621E1F8C36C495A93FC0C247A3E6E5F", "E621E1F8-C36C-495A-93FC-0C247A3E6E5G"})
    EXPECT_FALSE(UUID::fromString(text)) << text;
  EXPECT_NE(UUID::random(), UUID::random());
}
