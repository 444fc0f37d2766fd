#include "host/CommandLine.h"
#include "host/ArgumentValues.h"
#include "host/CommandErrors.h"

#include <gtest/gtest.h>

namespace zavel::host {
namespace {

CommandLine pressLine(const std::vector<std::string> &words) {
  return CommandLine(words, {{"--config", true}, {"--preview"}}, 1, 3);
}

TEST(CommandLine, SplitsOperandsFromOptionsAndTakesNegativeNumbersAsOperands) {
  CommandLine line = pressLine({"test.tally", "-4", "--config", "{}", "2.5e1", "--preview"});
  EXPECT_EQ(line.operands(), (std::vector<std::string>{"test.tally", "-4", "2.5e1"}));
  EXPECT_EQ(line.value("--config"), "{}");
  EXPECT_TRUE(line.has("--preview"));
  EXPECT_FALSE(pressLine({"kind"}).has("--preview"));
  EXPECT_EQ(pressLine({"kind"}).value("--config"), std::nullopt);
}

TEST(CommandLine, RefusesWhatTheCommandDoesNotAccept) {
  const std::vector<std::vector<std::string>> refused{
      {},                                     // too few operands
      {"a", "b", "c", "d"},                   // too many
      {"kind", "--colour", "red"},            // unknown option
      {"kind", "-x"},                         // unknown short option
      {"kind", "--config"},                   // value missing
      {"kind", "--preview", "--preview"},     // repeated
      {"kind", "--config", "{}", "--config"}, // repeated, value missing
  };
  for (const auto &words : refused)
    EXPECT_THROW(pressLine(words), BadInput) << ::testing::PrintToString(words);
}

TEST(CommandLine, RequiredOptionMustBeGiven) {
  std::vector<std::string> bare{"kind"}, given{"-o", "out.png", "k"};
  CommandLine line(bare, {{"-o", true}}, 1, 1);
  EXPECT_THROW(line.required("-o"), BadInput);
  EXPECT_EQ(CommandLine(given, {{"-o", true}}, 1, 1).required("-o"), "out.png");
}

TEST(ArgumentValues, ReadsNumbersSizesObjectsAndChoicesWrittenInFull) {
  EXPECT_EQ(arguments::number("X", "12.5"), 12.5);
  EXPECT_EQ(arguments::number("X", "-3e1"), -30);
  EXPECT_EQ(arguments::wholeNumber("N", "-7"), -7);
  EXPECT_EQ(arguments::size("364x170.5"), (kit::ui::Size{364, 170.5}));
  EXPECT_EQ(arguments::jsonObject("--config", R"({"a": [1]})")["a"][0], 1);
  EXPECT_EQ(arguments::choice<int>("--mode", "b", {{"a", 1}, {"b", 2}}), 2);

  const std::vector<std::function<void()>> refused{
      [] { arguments::number("X", "12px"); },
      [] { arguments::number("X", ""); },
      [] { arguments::number("X", "inf"); },
      [] { arguments::number("X", "nan"); },
      [] { arguments::wholeNumber("N", "1.5"); },
      [] { arguments::wholeNumber("N", "99999999999999999999"); },
      [] { arguments::size("364"); },
      [] { arguments::size("0x170"); },
      [] { arguments::size("-10x170"); },
      [] { arguments::size("10x"); },
      [] { arguments::size("10x20x30"); },
      [] { arguments::size("infx10"); },
      [] { arguments::jsonObject("--config", "{\"a\": "); },
      [] { arguments::jsonObject("--config", "[1, 2]"); },
      [] { arguments::jsonObject("--config", "\"text\""); },
      [] {
        arguments::choice<int>("--mode", "c", {{"a", 1}, {"b", 2}});
      },
  };
  for (std::size_t i = 0; i < refused.size(); ++i)
    EXPECT_THROW(refused[i](), BadInput) << "case " << i;
}

TEST(ArgumentValues, RefusalNamesTheChoices) {
  try {
    arguments::choice<int>("--scheme", "grey", {{"light", 1}, {"dark", 2}});
    FAIL();
  } catch (const BadInput &error) {
    EXPECT_STREQ(error.what(), "--scheme must be light|dark, not \"grey\"");
  }
}

} // namespace
} // namespace zavel::host
