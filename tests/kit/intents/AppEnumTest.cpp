#include "kit/intents/TestIntents.h"

#include <gtest/gtest.h>

namespace kit::intents {
namespace {

using testing::Roast;

TEST(AppEnum, OnlyExactRawValuesMakeACaseAndAStrayValueReadsAsTheFirst) {
  EXPECT_EQ(fromRawValue<Roast>("medium"), Roast::medium);
  for (const char *text : {"Medium", "medium ", ""})
    EXPECT_EQ(fromRawValue<Roast>(text), std::nullopt) << text;
  auto stray = static_cast<Roast>(7);
  EXPECT_EQ(rawValue(stray), "light");
  EXPECT_EQ(displayName(stray), "Light roast");
}

} // namespace
} // namespace kit::intents
