#include "Shared/Data/SharedSuite.h"

#include "Shared/Data/AppGroup.h"
#include "support/TempHome.h"

#include <cmath>
#include <fstream>
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
const Reading kSample{*UUID::fromString("0f8fad5b-d9cb-469f-a165-70867728950e"), 21.5, Date{-60},
                      std::nullopt};

} // namespace

TEST(SharedSuite, RecordsAreStoredAsJsonDataInTheAppGroupSuite) {
  TempHome home;
  ASSERT_TRUE(SharedSuite::write("zavel.test.v1", kSample));
  auto stored = Defaults::suite(kSuite, home.path())->object("zavel.test.v1");
  ASSERT_TRUE(stored && std::holds_alternative<Data>(*stored));
  EXPECT_EQ(*parseJson(std::get<Data>(*stored).bytes),
            Json::parse(R"({"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","value":21.5,
                            "taken":-60.0})"));
  EXPECT_EQ(SharedSuite::read<Reading>("zavel.test.v1"), kSample);
  EXPECT_FALSE(std::filesystem::exists(home.suiteFile("standard")));
}

TEST(SharedSuite, ReadGivesNoneForAnythingButADecodableRecord) {
  TempHome home;
  const std::string valid = R"({"id":"0f8fad5b-d9cb-469f-a165-70867728950e","value":1,"taken":0})";
  std::pair<DefaultsValue, bool> cases[] = {
      {Data{valid}, true},
      {Data{R"({"id":"0f8fad5b-d9cb-469f-a165-70867728950e","value":1})"}, false},
      {valid, false}, // the same JSON stored as a string
  };
  EXPECT_EQ(SharedSuite::read<Reading>("absent"), std::nullopt);
  for (const auto &[stored, readable] : cases) {
    ASSERT_TRUE(SharedSuite::open().set("key", stored));
    EXPECT_EQ(SharedSuite::read<Reading>("key").has_value(), readable) << stored.index();
  }
}

TEST(SharedSuite, RecordThatCannotBeEncodedLeavesTheStoredValueAndTheSuiteUntouched) {
  TempHome home;
  Reading broken = kSample;
  broken.value = std::nan("");
  EXPECT_FALSE(SharedSuite::write("zavel.test.v1", broken));
  EXPECT_FALSE(std::filesystem::exists(home.path() / "suites")); // never opened
  ASSERT_TRUE(SharedSuite::write("zavel.test.v1", kSample));
  EXPECT_FALSE(SharedSuite::write("zavel.test.v1", broken));
  EXPECT_EQ(SharedSuite::read<Reading>("zavel.test.v1"), kSample);
}

TEST(SharedSuite, UnopenableSuiteFallsBackToTheStandardDefaults) {
  TempHome home;
  // A folder where the suite's database belongs: root ignores permission bits, not this.
  std::filesystem::create_directories(home.suiteFile(kSuite));
  EXPECT_EQ(SharedSuite::open().name(), "standard");
  ASSERT_TRUE(SharedSuite::write("zavel.test.v1", kSample));
  EXPECT_EQ(SharedSuite::read<Reading>("zavel.test.v1"), kSample);
  EXPECT_EQ(Defaults::standard(home.path()).data("zavel.test.v1"),
            SharedSuite::readData("zavel.test.v1"));
}

TEST(AppGroup, ContainerIsCreatedUnderTheHomeElseTheTemporaryFolder) {
  TempHome temporary;
  TempHome home; // the later one is ZAVEL_HOME
  auto container = zavel::AppGroup::containerURL();
  EXPECT_EQ(container, home.path() / "containers" / "QK7R2WX9P4.com.brekholt.zavel");
  EXPECT_TRUE(std::filesystem::is_directory(container));

  std::filesystem::remove_all(home.path() / "containers");
  std::ofstream(home.path() / "containers") << "a file where the folder belongs";
  zavel::test::ScopedEnvironment tmpdir({{"TMPDIR", temporary.path().string()}});
  EXPECT_EQ(zavel::AppGroup::containerURL(), temporary.path());
}
