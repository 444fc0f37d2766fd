#include "Shared/Data/SharedSuite.h"

#include "Shared/Data/AppGroup.h"
#include "support/TempHome.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace kit::foundation;
using zavel::test::TempHome;
namespace SharedSuite = zavel::SharedSuite;

namespace {

struct Reading {
  UUID id;
  double value = 0;
  Date taken;
  std::optional<std::string> label;
  bool operator==(const Reading &) const = default;
  static constexpr auto jsonFields() {
    return std::tuple{field("id", &Reading::id), field("value", &Reading::value),
                      field("taken", &Reading::taken), field("label", &Reading::label)};
  }
};

const std::string kSuite(zavel::AppGroup::identifier);

Reading sample() {
  return {*UUID::fromString("0f8fad5b-d9cb-469f-a165-70867728950e"), 21.5, Date{-60}, {}};
}

} // namespace

TEST(SharedSuite, RecordsAreStoredAsJsonDataInTheAppGroupSuite) {
  TempHome home;
  ASSERT_TRUE(SharedSuite::write("zavel.test.v1", sample()));
  auto stored = Defaults::suite(kSuite, home.path())->object("zavel.test.v1");
  ASSERT_TRUE(stored && std::holds_alternative<Data>(*stored));
  auto json = *parseJson(std::get<Data>(*stored).bytes);
  EXPECT_EQ(json, Json::parse(R"({"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","value":21.5,
                                   "taken":-60.0})"));
  EXPECT_EQ(SharedSuite::read<Reading>("zavel.test.v1"), sample());
  EXPECT_FALSE(std::filesystem::exists(home.suiteFile("standard")));
}

TEST(SharedSuite, ReadGivesNoneForAnythingButADecodableRecord) {
  struct Case {
    const char *name;
    std::optional<DefaultsValue> stored;
    bool readable;
  } cases[] = {
      {"absent", std::nullopt, false},
      {"extra member",
       Data{R"({"id":"0f8fad5b-d9cb-469f-a165-70867728950e","value":1,"taken":0,"x":[]})"}, true},
      {"null optional",
       Data{R"({"id":"0f8fad5b-d9cb-469f-a165-70867728950e","value":1,"taken":0,"label":null})"},
       true},
      {"missing required", Data{R"({"id":"0f8fad5b-d9cb-469f-a165-70867728950e","value":1})"},
       false},
      {"null required",
       Data{R"({"id":"0f8fad5b-d9cb-469f-a165-70867728950e","value":null,"taken":0})"}, false},
      {"not JSON", Data{"{"}, false},
      {"JSON as a string",
       std::string(R"({"id":"0f8fad5b-d9cb-469f-a165-70867728950e","value":1,"taken":0})"), false},
      {"integer", int64_t{3}, false},
  };
  TempHome home;
  for (const auto &c : cases) {
    if (c.stored) {
      ASSERT_TRUE(SharedSuite::open().set(c.name, *c.stored));
    }
    EXPECT_EQ(SharedSuite::read<Reading>(c.name).has_value(), c.readable) << c.name;
  }
}

TEST(SharedSuite, RecordThatCannotBeEncodedLeavesTheStoredValueAndTheSuiteUntouched) {
  TempHome home;
  Reading broken = sample();
  broken.value = std::nan("");
  EXPECT_FALSE(SharedSuite::write("zavel.test.v1", broken));
  EXPECT_FALSE(std::filesystem::exists(home.path() / "suites")); // never opened
  ASSERT_TRUE(SharedSuite::write("zavel.test.v1", sample()));
  broken.value = INFINITY;
  EXPECT_FALSE(SharedSuite::write("zavel.test.v1", broken));
  EXPECT_EQ(SharedSuite::read<Reading>("zavel.test.v1"), sample());
}

TEST(SharedSuite, UnopenableSuiteFallsBackToTheStandardDefaultsThenToMemory) {
  TempHome home;
  // A folder where the suite's database belongs: root ignores permission bits, not this.
  std::filesystem::create_directories(home.suiteFile(kSuite));
  EXPECT_EQ(SharedSuite::open().name(), "standard");
  ASSERT_TRUE(SharedSuite::write("zavel.test.v1", sample()));
  EXPECT_EQ(SharedSuite::read<Reading>("zavel.test.v1"), sample());
  EXPECT_EQ(Defaults::standard(home.path()).data("zavel.test.v1"),
            SharedSuite::readData("zavel.test.v1"));

  // Now the standard store is blocked too: a store in memory keeps values for this process.
  for (const char *suffix : {"", "-wal", "-shm"})
    std::filesystem::remove(home.suiteFile("standard").string() + suffix);
  std::filesystem::create_directories(home.suiteFile("standard"));
  EXPECT_EQ(SharedSuite::read<Reading>("zavel.test.v1"), std::nullopt);
  ASSERT_TRUE(SharedSuite::open().set("zavel.count", int64_t{4}));
  EXPECT_EQ(SharedSuite::open().integer("zavel.count"), 4);
}

TEST(SharedSuite, AnExplicitHomeOverridesTheEnvironment) {
  TempHome other;
  TempHome environmentHome; // the later one is ZAVEL_HOME
  ASSERT_TRUE(SharedSuite::write("zavel.test.v1", sample(), other.path()));
  EXPECT_EQ(SharedSuite::read<Reading>("zavel.test.v1", other.path()), sample());
  EXPECT_EQ(SharedSuite::read<Reading>("zavel.test.v1"), std::nullopt);
}
