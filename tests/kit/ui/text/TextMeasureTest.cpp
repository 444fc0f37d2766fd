#include "kit/ui/text/PangoTextEngine.h"

#include "ShippedFonts.h"

#include <glib.h>
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cmath>
#include <limits>
#include <thread>

namespace kit::ui {
namespace {

// IBM Plex Mono: a line is 1.3 em high, its baseline 1.025 em down.
constexpr double lineHeight = 1.3, ascent = 1.025;
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

Font plexFont(double size) { return Font::postScript("IBMPlexMono-Regular", size); }
TextStyle plex(double size, double tracking = 0) {
  return {.font = plexFont(size), .tracking = tracking, .lineLimit = {}};
}

// What IBM Plex Mono measures at `size` and `scale` over `lines` lines, given the text's width.
TextMetrics plexMetrics(double size, double width, int lines, double scale = 1,
                        bool truncated = false) {
  double em = size * scale;
  return {{width, lines * lineHeight * em},
          ascent * em,
          (ascent + (lines - 1) * lineHeight) * em,
          scale,
          truncated,
          lines};
}

// Within a hundredth of a point (and of a scale step of 0.002), with the same truncation and lines.
::testing::AssertionResult close(const TextMetrics &a, const TextMetrics &b) {
  auto parts = [](const TextMetrics &m) {
    return std::array{m.size.width, m.size.height,       m.firstBaseline,    m.lastBaseline,
                      5 * m.scale,  100.0 * m.truncated, 100.0 * m.lineCount};
  };
  for (std::size_t i = 0; i < 7; ++i)
    if (std::abs(parts(a)[i] - parts(b)[i]) > 0.01)
      return ::testing::AssertionFailure() << ::testing::PrintToString(parts(a)) << " is not "
                                           << ::testing::PrintToString(parts(b));
  return ::testing::AssertionSuccess();
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

// Each glyph advances 0.6 em plus the tracking, the last one included.
TEST_F(TextMeasure, MeasuresTheIdealWidthAndWrapsAtWordsWithinTheProposedWidth) {
  const std::tuple<const char *, double, double, ProposedSize, int, double> cases[] = {
      // text, size, tracking, proposal, lines, measured width
      {"21\u00b0", 76, -1.52, {}, 1, 3 * (45.6 - 1.52)},
      {"ABCD\r\nAB\nABC", 10, 1, ProposedSize::infinite(), 3, 28},
      {"AAAA BBBB CCCC", 10, 0, {84, std::nullopt}, 1, 84},   // exactly fits
      {"AAAA BBBB CCCC", 10, 0, {83.9, std::nullopt}, 2, 54}, // a hair too narrow: a word wraps
      {"AAAA BBBB CCCC", 10, 1, {63, std::nullopt}, 2, 63},   // the last tracking counts too
      {"ABCDEFGHIJ", 10, 0, {30, std::nullopt}, 2, 30},       // a long word breaks inside
  };
  for (const auto &[text, size, tracking, proposal, lines, measured] : cases)
    EXPECT_TRUE(close(engine.measure(text, plex(size, tracking), proposal),
                      plexMetrics(size, measured, lines)))
        << text << " in " << proposal.width.value_or(-1);
  EXPECT_EQ(engine.measure("", plex(10, 3), {}), (TextMetrics{}));
}

TEST_F(TextMeasure, TruncatesTheTailWithAnEllipsisBeyondTheLineLimitOrHeight) {
  const std::tuple<const char *, std::optional<int>, ProposedSize, const char *, int> cases[] = {
      {"AAAA BBBB CCCC DDDD EEEE", 2, {60, std::nullopt}, "AAAA BBBB CCCC DDDD\u2026", 2},
      {"AB\nCD\nEF", 2, {}, "ABCD\u2026", 2},
      {"AAAA BBBB CCCC DDDD", std::nullopt, {60, 20}, "AAAA BBBB\u2026", 1},
      {"AAAA BBBB CCCC DDDD", std::nullopt, {60, 26}, "AAAA BBBB CCCC DDDD", 2},
      {"ABCDEFGHIJ", 0, {30, std::nullopt}, "ABCD\u2026", 1},
      {"ABCDEFGHIJ", 1, {3, std::nullopt}, "\u2026", 1},
  };
  for (const auto &[text, lineLimit, proposal, shown, lines] : cases) {
    TextStyle style{.font = plexFont(10), .lineLimit = lineLimit};
    auto metrics = engine.measure(text, style, proposal);
    EXPECT_EQ(shownText(text, style, proposal), shown);
    EXPECT_EQ(metrics.lineCount, lines) << text;
    EXPECT_EQ(metrics.truncated, shown != std::string(text)) << text;
    EXPECT_LE(metrics.size.width, std::max(proposal.width.value_or(1e9), 6.0)) << text;
  }
}

TEST_F(TextMeasure, ShrinksBeforeTruncatingAndTrackingShrinksWithTheText) {
  const std::tuple<const char *, double, double, double, const char *> cases[] = {
      // 20 pt with 2 pt tracking: 14 points a character.
      {"12:45", 45, 0.5, 45.0 / 70, "12:45"},   // shrinks to fit exactly
      {"12:45", 20, 0.5, 0.5, "1\u2026"},       // cannot reach it: truncated at the minimum
      {"12:45", 45, 1, 1, "12\u2026"},          // may not shrink: truncated at full size
      {"AAAA BBBB", 63, 0.5, 0.5, "AAAA BBBB"}, // a space gives no line break on one line
      {"AAAA BBBB", 0, 0.5, 0.5, "\u2026"},     // no room: only the ellipsis, at the minimum
  };
  for (const auto &[text, width, minimumScale, scale, shown] : cases) {
    TextStyle style{
        .font = plexFont(20), .tracking = 2, .lineLimit = 1, .minimumScaleFactor = minimumScale};
    ProposedSize proposal{width, width == 0 ? std::optional<double>(0) : std::nullopt};
    auto metrics = engine.measure(text, style, proposal);
    double characters = double(g_utf8_strlen(shown, -1)), shrunk = metrics.scale;
    EXPECT_NEAR(shrunk, scale, 0.002) << text << " in " << width;
    EXPECT_TRUE(close(
        metrics, plexMetrics(20, characters * 14 * shrunk, 1, shrunk, shown != std::string(text))));
    EXPECT_EQ(shownText(text, style, proposal), shown);
  }
}

TEST_F(TextMeasure, OdditiesOfInputGiveFiniteMetrics) {
  const std::string invalidUtf8 = "\xff\xfe"
                                  "AB\xc3";
  TextStyle huge = plex(1e12, nan);
  huge.lineSpacing = huge.minimumScaleFactor = nan;
  const std::tuple<std::string, TextStyle, ProposedSize, bool> cases[] = {
      // text, style, proposal, whether nothing shows
      {"AB", plex(nan), {}, true},
      {"AB", plex(10, 1e300), {}, false},
      {"AB", huge, {nan, nan}, false},
      {"AB CD", {.font = plexFont(10), .lineLimit = -3}, {-20, -5}, false},
      {invalidUtf8, plex(10), {}, false},
  };
  for (const auto &[text, style, proposal, empty] : cases) {
    auto metrics = engine.measure(text, style, proposal);
    EXPECT_TRUE(std::isfinite(metrics.size.width + metrics.size.height + metrics.firstBaseline +
                              metrics.lastBaseline));
    EXPECT_GE(metrics.size.width, 0);
    EXPECT_EQ(metrics.lineCount == 0, empty) << text;
  }
  EXPECT_NEAR(engine.measure(std::string("A\0B", 3), plex(10), {}).size.width, 12, 0.01);
}

TEST_F(TextMeasure, ThreadsMeasuringAtOnceGetWhatOneThreadGets) {
  const char *texts[] = {"AAAA BBBB CCCC", "12:45", "H 24\u00b0 \u2014 L 15\u00b0"};
  TextStyle style{.font = plexFont(14), .tracking = 1, .lineLimit = 1, .minimumScaleFactor = 0.5};
  auto measure = [&](const PangoTextEngine &e, int i) {
    return e.measure(texts[i % 3], style, {40.0 + i % 7, std::nullopt});
  };
  std::vector<TextMetrics> wanted;
  for (int i = 0; i < 21; ++i)
    wanted.push_back(measure(PangoTextEngine(), i));
  std::atomic<int> mismatches = 0;
  std::vector<std::jthread> threads;
  for (int t = 0; t < 6; ++t)
    threads.emplace_back([&] {
      for (int i = 0; i < 21 * 20; ++i)
        mismatches += measure(engine, i % 21) != wanted[i % 21];
    });
  threads.clear();
  EXPECT_EQ(mismatches, 0);
}

} // namespace
} // namespace kit::ui
