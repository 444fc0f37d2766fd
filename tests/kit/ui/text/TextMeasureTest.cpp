#include "kit/ui/text/PangoTextEngine.h"

#include "ShippedFonts.h"
#include "Styled.h"

#include <glib.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <thread>

namespace kit::ui {
namespace {

// IBM Plex Mono: every glyph advances 0.6 em; a line is 1.3 em high, its baseline 1.025 em down.
constexpr double advance = 0.6, lineHeight = 1.3, ascent = 1.025;
constexpr double tolerance = 0.01;

TextStyle plex(double size, double tracking = 0) {
  TextStyle style = testing::styled(Font::postScript("IBMPlexMono-Regular", size));
  style.tracking = tracking;
  return style;
}

class TextMeasure : public ::testing::Test {
protected:
  void SetUp() override { testing::registerShippedFonts(); }

  std::string shownText(std::string_view text, const TextStyle &style, ProposedSize proposal) {
    std::string shown;
    for (const auto &run : engine.runs(text, style, proposal))
      shown += run.text;
    return shown;
  }

  PangoTextEngine engine;
};

TEST_F(TextMeasure, IdealWidthIsCharactersTimesAdvanceAndTrackingAfterEach) {
  struct Case {
    const char *text;
    double size, tracking;
    int characters, lines;
  } cases[] = {
      {"ABCDE", 20, 0, 5, 1},
      {"21\u00b0", 76, -1.52, 3, 1},
      {"INDOOR TEMPERATURE", 11, 1.98, 18, 1},
      {"ABCD\r\nAB\nABC", 10, 1, 4, 3},
  };
  for (const auto &c : cases) {
    for (auto proposal : {ProposedSize::unspecified(), ProposedSize::infinite()}) {
      auto metrics = engine.measure(c.text, plex(c.size, c.tracking), proposal);
      EXPECT_NEAR(metrics.size.width, c.characters * (advance * c.size + c.tracking), tolerance)
          << c.text;
      EXPECT_NEAR(metrics.size.height, c.lines * lineHeight * c.size, tolerance) << c.text;
      EXPECT_EQ(metrics.lineCount, c.lines) << c.text;
      EXPECT_NEAR(metrics.firstBaseline, ascent * c.size, tolerance) << c.text;
      EXPECT_NEAR(metrics.lastBaseline, ascent * c.size + (c.lines - 1) * lineHeight * c.size,
                  tolerance)
          << c.text;
      EXPECT_EQ(metrics.scale, 1);
      EXPECT_FALSE(metrics.truncated);
    }
  }
}

TEST_F(TextMeasure, EmptyTextTakesNoRoom) {
  EXPECT_EQ(engine.measure("", plex(10, 3), {}), (TextMetrics{}));
  EXPECT_TRUE(engine.runs("", plex(10, 3), {}).empty());
}

TEST_F(TextMeasure, WrapsAtWordBoundariesWithinTheProposedWidth) {
  struct Case {
    const char *text;
    double tracking, width;
    int lines;
    double measuredWidth;
  } cases[] = {
      {"AAAA BBBB CCCC", 0, 84, 1, 84},   // exactly fits
      {"AAAA BBBB CCCC", 0, 83.9, 2, 54}, // a hair too narrow: the last word wraps
      {"AAAA BBBB CCCC", 1, 63, 2, 63},   // tracking after the last letter counts too
      {"AAAA BBBB CCCC", 1, 62.9, 3, 28}, // and pushes a word over
      {"ABCDEFGHIJ", 0, 30, 2, 30},       // a word wider than the line breaks inside
      {"AAAA BBBB CCCC", 0, 1000, 1, 84}, // more room than needed: the text's own width
  };
  for (const auto &c : cases) {
    auto metrics = engine.measure(c.text, plex(10, c.tracking), {c.width, std::nullopt});
    EXPECT_EQ(metrics.lineCount, c.lines) << c.text << " in " << c.width;
    EXPECT_NEAR(metrics.size.width, c.measuredWidth, tolerance) << c.text << " in " << c.width;
    EXPECT_NEAR(metrics.size.height, c.lines * 13, tolerance) << c.text << " in " << c.width;
    EXPECT_FALSE(metrics.truncated);
  }
}

TEST_F(TextMeasure, TruncatesTheTailWithAnEllipsisBeyondTheLineLimitOrHeight) {
  struct Case {
    const char *text;
    std::optional<int> lineLimit;
    ProposedSize proposal;
    const char *shown;
    int lines;
  } cases[] = {
      {"AAAA BBBB CCCC", 1, {60, std::nullopt}, "AAAA BBBB\u2026", 1},
      {"AAAA BBBB CCCC DDDD EEEE", 2, {60, std::nullopt}, "AAAA BBBB CCCC DDDD\u2026", 2},
      {"AB\nCD\nEF", 2, {}, "ABCD\u2026", 2},
      {"AAAA BBBB CCCC DDDD", std::nullopt, {60, 20}, "AAAA BBBB\u2026", 1},
      {"AAAA BBBB CCCC DDDD", std::nullopt, {60, 26}, "AAAA BBBB CCCC DDDD", 2},
      {"ABCDEFGHIJ", 0, {30, std::nullopt}, "ABCD\u2026", 1},
      {"ABCDEFGHIJ", 1, {3, std::nullopt}, "\u2026", 1},
  };
  for (const auto &c : cases) {
    TextStyle style = plex(10);
    style.lineLimit = c.lineLimit;
    auto metrics = engine.measure(c.text, style, c.proposal);
    std::string shown = shownText(c.text, style, c.proposal);
    EXPECT_EQ(shown, c.shown) << c.text;
    EXPECT_EQ(metrics.lineCount, c.lines) << c.text;
    EXPECT_EQ(metrics.truncated, shown != c.text) << c.text;
    if (c.proposal.width && metrics.size.width > 6) {
      EXPECT_LE(metrics.size.width, *c.proposal.width) << c.text;
    }
  }
}

TEST_F(TextMeasure, ShrinksBeforeTruncatingAndTrackingShrinksWithTheText) {
  struct Case {
    const char *text;
    double width, minimumScale;
    double scale;
    const char *shown;
  } cases[] = {
      // 20 pt with 2 pt tracking: 14 points a character.
      {"12:45", 45, 0.5, 45.0 / 70, "12:45"},   // shrinks to fit exactly
      {"12:45", 35, 0.5, 0.5, "12:45"},         // reaches its minimum exactly
      {"12:45", 20, 0.5, 0.5, "1\u2026"},       // cannot reach it: truncated at the minimum
      {"12:45", 45, 1, 1, "12\u2026"},          // may not shrink: truncated at full size
      {"AAAA BBBB", 63, 0.5, 0.5, "AAAA BBBB"}, // a space gives no line break on one line
  };
  for (const auto &c : cases) {
    TextStyle style = plex(20, 2);
    style.lineLimit = 1;
    style.minimumScaleFactor = c.minimumScale;
    auto metrics = engine.measure(c.text, style, {c.width, std::nullopt});
    EXPECT_NEAR(metrics.scale, c.scale, 0.002) << c.text << " in " << c.width;
    EXPECT_EQ(shownText(c.text, style, {c.width, std::nullopt}), c.shown);
    EXPECT_EQ(metrics.truncated, std::string(c.shown) != c.text);
    EXPECT_EQ(metrics.lineCount, 1);
    double characters = g_utf8_strlen(c.shown, -1);
    EXPECT_NEAR(metrics.size.width, characters * 14 * metrics.scale, tolerance) << c.text;
    EXPECT_LE(metrics.size.width, c.width);
    EXPECT_NEAR(metrics.size.height, 26 * metrics.scale, tolerance);
    EXPECT_NEAR(metrics.firstBaseline, 20.5 * metrics.scale, tolerance);
  }
}

TEST_F(TextMeasure, AZeroProposalLeavesOnlyTheEllipsisAtTheSmallestScale) {
  for (double minimumScale : {1.0, 0.5}) {
    TextStyle style = plex(20, 2);
    style.minimumScaleFactor = minimumScale;
    auto metrics = engine.measure("AAAA BBBB", style, ProposedSize::zero());
    EXPECT_EQ(shownText("AAAA BBBB", style, ProposedSize::zero()), "\u2026");
    EXPECT_TRUE(metrics.truncated);
    EXPECT_EQ(metrics.scale, minimumScale);
    EXPECT_NEAR(metrics.size.width, 14 * minimumScale, tolerance);
    EXPECT_NEAR(metrics.size.height, 26 * minimumScale, tolerance);
  }
}

TEST_F(TextMeasure, ShrinksToFitTheLinesTheHeightAllows) {
  TextStyle style = plex(10);
  style.minimumScaleFactor = 0.4;
  // Three lines of 13 points in 30: two lines fit at scale 1, three from 30/39 down.
  auto metrics = engine.measure("AB\nCD\nEF", style, {100, 30});
  EXPECT_EQ(metrics.lineCount, 3);
  EXPECT_FALSE(metrics.truncated);
  EXPECT_NEAR(metrics.scale, 30.0 / 39, 0.002);
  EXPECT_LE(metrics.size.height, 30);
}

TEST_F(TextMeasure, LineSpacingSeparatesLinesAndShrinksWithTheText) {
  TextStyle style = plex(10);
  style.lineSpacing = 4;
  auto metrics = engine.measure("AB\nCD", style, {});
  EXPECT_NEAR(metrics.size.height, 13 + 4 + 13, tolerance);
  EXPECT_NEAR(metrics.lastBaseline - metrics.firstBaseline, 17, tolerance);

  style.minimumScaleFactor = 0.5;
  style.lineLimit = 2;
  auto shrunk = engine.measure("ABCD\nCD", style, {12, std::nullopt});
  EXPECT_NEAR(shrunk.scale, 0.5, 0.002);
  EXPECT_NEAR(shrunk.lastBaseline - shrunk.firstBaseline, 17 * shrunk.scale, tolerance);
}

TEST_F(TextMeasure, MeasuringAtTheMeasuredSizeGivesTheSameText) {
  struct Case {
    const char *text;
    TextStyle style;
    ProposedSize proposal;
  };
  TextStyle limited = plex(10, 1);
  limited.lineLimit = 2;
  TextStyle centred = plex(10, 0.5);
  centred.alignment = TextAlignment::center;
  TextStyle shrinking = plex(20, 2);
  shrinking.lineLimit = 1;
  shrinking.minimumScaleFactor = 0.5;
  const Case cases[] = {
      {"AAAA BBBB CCCC DDDD EEEE", limited, {60, std::nullopt}},
      {"The quick brown fox jumps over the lazy dog", centred, {70, 100}},
      {"12:45", shrinking, {20, 40}},
      {"Orbitron \u00b7 wraps", testing::styled(Font::family("Orbitron", 15)), {60, std::nullopt}},
  };
  for (const auto &c : cases) {
    auto metrics = engine.measure(c.text, c.style, c.proposal);
    PangoTextEngine fresh;
    auto again = fresh.measure(c.text, c.style, ProposedSize::of(metrics.size));
    EXPECT_NEAR(again.size.width, metrics.size.width, tolerance) << c.text;
    EXPECT_NEAR(again.size.height, metrics.size.height, tolerance) << c.text;
    EXPECT_EQ(again.lineCount, metrics.lineCount) << c.text;
    EXPECT_EQ(again.truncated, metrics.truncated) << c.text;
    EXPECT_NEAR(again.scale, metrics.scale, 0.002) << c.text;
  }
}

TEST_F(TextMeasure, OdditiesOfInputGiveFiniteMetrics) {
  constexpr double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    std::string text;
    TextStyle style;
    ProposedSize proposal;
    bool empty;
  };
  TextStyle hugeTracking = plex(10, 1e300);
  TextStyle nanEverything = plex(10, nan);
  nanEverything.lineSpacing = nan;
  nanEverything.minimumScaleFactor = nan;
  TextStyle negativeLimit = plex(10);
  negativeLimit.lineLimit = -3;
  const Case cases[] = {
      {"AB", plex(nan), {}, true},
      {"AB", plex(0), {}, true},
      {"AB", plex(-4), {}, true},
      {"AB", plex(1e12), {}, false},
      {"AB", hugeTracking, {}, false},
      {"AB", nanEverything, {nan, nan}, false},
      {"AB CD", negativeLimit, {-20, -5}, false},
      {std::string("A\0B", 3), plex(10), {}, false},
      {"\xff\xfe"
       "AB\xc3",
       plex(10),
       {},
       false},
  };
  for (const auto &c : cases) {
    auto metrics = engine.measure(c.text, c.style, c.proposal);
    EXPECT_TRUE(std::isfinite(metrics.size.width) && std::isfinite(metrics.size.height));
    EXPECT_TRUE(std::isfinite(metrics.firstBaseline) && std::isfinite(metrics.lastBaseline));
    EXPECT_GE(metrics.size.width, 0);
    EXPECT_EQ(metrics.lineCount == 0, c.empty) << c.text;
  }
  EXPECT_NEAR(engine.measure(std::string("A\0B", 3), plex(10), {}).size.width, 12, tolerance);
}

TEST_F(TextMeasure, ThreadsMeasuringAtOnceGetWhatOneThreadGets) {
  const char *texts[] = {"AAAA BBBB CCCC", "12:45", "INDOOR", "H 24\u00b0 \u2014 L 15\u00b0"};
  TextStyle style = plex(14, 1);
  style.lineLimit = 1;
  style.minimumScaleFactor = 0.5;
  auto expected = [&](int i) {
    PangoTextEngine alone;
    return alone.measure(texts[i % 4], style, {40.0 + i % 7, std::nullopt});
  };
  std::vector<TextMetrics> wanted;
  for (int i = 0; i < 28; ++i)
    wanted.push_back(expected(i));
  std::vector<std::thread> threads;
  std::vector<int> mismatches(6, 0);
  for (int t = 0; t < 6; ++t)
    threads.emplace_back([&, t] {
      for (int round = 0; round < 20; ++round)
        for (int i = 0; i < 28; ++i)
          if (engine.measure(texts[i % 4], style, {40.0 + i % 7, std::nullopt}) != wanted[i])
            ++mismatches[t];
    });
  for (auto &thread : threads)
    thread.join();
  EXPECT_EQ(mismatches, std::vector<int>(6, 0));
}

} // namespace
} // namespace kit::ui
