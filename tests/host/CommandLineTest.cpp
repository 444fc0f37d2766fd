#include "host/ArgumentValues.h"
#include "host/CommandErrors.h"

#include <gtest/gtest.h>

namespace zavel::host {
namespace {

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

} // namespace
} // namespace zavel::host
