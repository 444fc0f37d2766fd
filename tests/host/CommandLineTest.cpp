#include "host/CommandLine.h"
#include "host/ArgumentValues.h"
#include "host/CommandErrors.h"

#include <gtest/gtest.h>

namespace zavel::host {
namespace {

TEST(CommandLine, SplitsOperandsFromOptionsAndTakesNegativeNumbersAsOperands) {
  std::vector<std::string> words{"test.tally", "-4", "--config", "{}", "2.5e1", "--preview"};
  CommandLine line(words, {{"--config", true}, {"--preview"}}, 1, 3);
  EXPECT_EQ(line.operands(), (std::vector<std::string>{"test.tally", "-4", "2.5e1"}));
  EXPECT_EQ(line.value("--config"), "{}");
  EXPECT_TRUE(line.has("--preview"));
}

TEST(ArgumentValues, ReadsOnlyFiniteNumbersAndPositiveSizesWrittenInFull) {
  EXPECT_EQ(arguments::number("X", "-3e1"), -30);
  EXPECT_EQ(arguments::size("364x170.5"), (kit::ui::Size{364, 170.5}));
  for (const char *text : {"12px", "", "inf", "nan"})
    EXPECT_THROW(arguments::number("X", text), BadInput) << text;
  for (const char *text : {"1.5", "99999999999999999999"})
    EXPECT_THROW(arguments::wholeNumber("N", text), BadInput) << text;
  for (const char *text : {"364", "0x170", "-10x170", "10x", "10x20x30", "infx10"})
    EXPECT_THROW(arguments::size(text), BadInput) << text;
  for (const char *text : {"{\"a\": ", "[1, 2]", "\"text\""})
    EXPECT_THROW(arguments::jsonObject("--config", text), BadInput) << text;
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
