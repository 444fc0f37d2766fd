// The built program, driven as a user drives it, on the extension's own widgets.
#include "host/HostRun.h"
#include "kit/foundation/JsonCoding.h"
#include "support/ScratchTree.h"
#include "support/TempHome.h"

#include "Shared/Data/SharedSuite.h"

#include <gtest/gtest.h>

namespace zavel::host::testing {
namespace {

using kit::foundation::Json;
namespace fs = std::filesystem;

TEST(Executable, QueriesListsAndDrawsTheGalleryOfTheExtensionAndRefusesWithTwo) {
  zavel::test::TempHome home;
  test_support::ScratchTree scratch;
  HostResult matching = runExecutable({"query", "TimeZoneEntity", "KOLK"});
  EXPECT_EQ(Json::parse(matching.out),
            Json::parse(R"([{"id": "Asia/Kolkata", "title": "Kolkata"}])"));
  expectRefusal(runExecutable({"render", "zavel.nothing"}), {"render", "zavel.nothing"});

  HostResult json = runExecutable({"list", "--json"});
  ASSERT_EQ(json.status, 0) << json.err;
  ASSERT_EQ(runExecutable({"gallery", "-o", scratch.root()}).status, 0);
  std::size_t pictures = 0;
  for (const auto &entry : fs::directory_iterator(scratch.root()))
    pictures += entry.path().extension() == ".png";
  EXPECT_EQ(pictures, Json::parse(json.out).size());
}

TEST(HostDefaults, RoundTripsEveryTypeKeepingJsonAsData) {
  zavel::test::TempHome home;
  for (auto [type, written, printed] : {std::tuple{"--int", "42", "42"},
                                        {"--bool", "yes", "true"},
                                        {"", "héllo wörld", "héllo wörld"},
                                        {"--json", R"({"a": [1, 2]})", R"({"a": [1, 2]})"},
                                        {"--array", R"(["x", "y z"])", R"(["x","y z"])"}}) {
    std::vector<std::string> write{"defaults", "write", "test.key", written};
    if (*type)
      write.push_back(type);
    ASSERT_EQ(runHost(write).status, 0) << written;
    EXPECT_EQ(runHost({"defaults", "read", "test.key"}).out, printed + std::string("\n"));
  }
  EXPECT_EQ(SharedSuite::open().object("test.key"),
            kit::foundation::DefaultsValue(std::vector<std::string>{"x", "y z"}));
  ASSERT_EQ(runHost({"defaults", "write", "test.record", "{\"v\":1}", "--json"}).status, 0);
  EXPECT_EQ(SharedSuite::readData("test.record"), "{\"v\":1}");

  EXPECT_EQ(runHost({"defaults", "delete", "test.key"}).status, 0);
  HostResult missing = runHost({"defaults", "read", "test.key"});
  EXPECT_EQ(std::pair(missing.status, missing.out), std::pair(1, std::string()));
}

} // namespace
} // namespace zavel::host::testing
