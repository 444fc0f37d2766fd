#include "kit/foundation/ZavelHome.h"
#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace kit::foundation {
namespace {

// ZAVEL_HOME first, then an absolute XDG_DATA_HOME; a relative one is ignored, as the base
// directory rules say, like an empty one, for ~/.local/share.
TEST(ZavelHome, IsZavelHomeElseAnAbsoluteDataHomeElseTheUsersOwn) {
  struct Case {
    std::optional<std::string> zavelHome, dataHome;
    std::string expected;
  };
  const Case cases[] = {
      {"/srv/zavel", "/data", "/srv/zavel"},
      {"", "/data", "/data/zavel"},
      {std::nullopt, "/data", "/data/zavel"},
      {std::nullopt, "data", "/home/ana/.local/share/zavel"},
      {std::nullopt, "", "/home/ana/.local/share/zavel"},
      {std::nullopt, std::nullopt, "/home/ana/.local/share/zavel"},
  };
  for (const Case &c : cases) {
    zavel::test::ScopedEnvironment environment(
        {{"ZAVEL_HOME", c.zavelHome}, {"XDG_DATA_HOME", c.dataHome}, {"HOME", "/home/ana"}});
    EXPECT_EQ(zavelHome(), c.expected)
        << c.zavelHome.value_or("(unset)") << ", " << c.dataHome.value_or("(unset)");
  }
}

} // namespace
} // namespace kit::foundation
