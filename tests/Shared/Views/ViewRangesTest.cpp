#include "Shared/Views/ViewRanges.h"

#include <gtest/gtest.h>

namespace zavel {
namespace {

TEST(ViewRanges, IndicesCountUpFromZeroAndNoneForACountBelowOne) {
  EXPECT_EQ(indices(3), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(indices(std::size_t{1}), (std::vector<std::size_t>{0}));
  EXPECT_TRUE(indices(0).empty());
  EXPECT_TRUE(indices(int64_t{-4}).empty());
}

TEST(ViewRanges, PiecesBetweenSeparatorsLeaveOutEmptyOnes) {
  struct Case {
    std::string text;
    std::vector<std::string> pieces;
  };
  const Case cases[] = {
      {"Call Ada today", {"Call", "Ada", "today"}},
      {"  two  spaces ", {"two", "spaces"}},
      {"one", {"one"}},
      {"", {}},
      {"   ", {}},
      {"tab\tstays", {"tab\tstays"}},
  };
  for (const auto &c : cases)
    EXPECT_EQ(nonEmptyPieces(c.text, ' '), c.pieces) << c.text;
}

} // namespace
} // namespace zavel
