#include "kit/foundation/UUID.h"

#include <gtest/gtest.h>
#include <set>

using kit::foundation::UUID;

TEST(UUID, ReadsEitherCaseAndWritesUpperCase) {
  auto lower = UUID::fromString("e621e1f8-c36c-495a-93fc-0c247a3e6e5f");
  auto upper = UUID::fromString("E621E1F8-C36C-495A-93FC-0C247A3E6E5F");
  ASSERT_TRUE(lower && upper);
  EXPECT_EQ(*lower, *upper);
  EXPECT_EQ(lower->uuidString(), "E621E1F8-C36C-495A-93FC-0C247A3E6E5F");
  EXPECT_EQ(lower->bytes[0], 0xE6);
  EXPECT_EQ(lower->bytes[15], 0x5F);
}

TEST(UUID, RefusesAnythingButTheCanonicalForm) {
  for (const char *text :
       {"", "E621E1F8C36C495A93FC0C247A3E6E5F", "{E621E1F8-C36C-495A-93FC-0C247A3E6E5F}",
        "E621E1F8-C36C-495A-93FC-0C247A3E6E5", "E621E1F8-C36C-495A-93FC-0C247A3E6E5G",
        "E621E1F8-C36C-495A93FC-0C247A3E6E5F0", " E621E1F8-C36C-495A-93FC-0C247A3E6E5F"})
    EXPECT_FALSE(UUID::fromString(text)) << text;
}

TEST(UUID, RandomIdentifiersAreVersionFourAndDistinct) {
  std::set<UUID> seen;
  for (int i = 0; i < 1000; ++i) {
    UUID uuid = UUID::random();
    EXPECT_EQ(uuid.bytes[6] >> 4, 4);
    EXPECT_EQ(uuid.bytes[8] >> 6, 2);
    EXPECT_EQ(UUID::fromString(uuid.uuidString()), uuid);
    seen.insert(uuid);
  }
  EXPECT_EQ(seen.size(), 1000u);
}
