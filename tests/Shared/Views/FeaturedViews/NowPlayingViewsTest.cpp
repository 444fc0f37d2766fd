#include "FeaturedViewsTesting.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/FeaturedViews/NowPlayingDeckView.h"
#include "Shared/Views/FeaturedViews/RemoteView.h"
#include "Shared/Views/Glyphs/KeyGlyphs.h"

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;
using kit::foundation::Date;

const Date renderMoment = Date::fromUnixTime(1772445600);

NowPlayingData track(int64_t position, int64_t duration, bool playing, bool liked = false) {
  return {{"Harbour Lights", "The Night Ferries", position, duration, playing, renderMoment},
          liked};
}

TEST(NowPlayingDeckView, TimeLabelsMinutesUnpaddedAndUncapped) {
  const struct {
    int64_t seconds;
    const char *label;
  } cases[] = {{0, "0:00"},    {65, "1:05"},    {192, "3:12"},
               {600, "10:00"}, {4505, "75:05"}, {-30, "0:00"}};
  for (const auto &c : cases)
    EXPECT_EQ(NowPlayingDeckView::timeLabel(c.seconds), c.label) << c.seconds;
}

TEST(NowPlayingDeckView, TimeRowMeterKeysAndLampFollowTheRecord) {
  const struct {
    const char *name;
    NowPlayingData data;
    const char *elapsed, *duration;
    double elapsedUnits; // the elapsed field's width
    // The filled share of the track; none: the 4-unit stub.
    std::optional<double> played = std::nullopt;
  } cases[] = {
      {.name = "playing, loved",
       .data = track(192, 245, true, true),
       .elapsed = "3:12",
       .duration = "4:05",
       .elapsedUnits = 40,
       .played = 192.0 / 245},
      {.name = "nothing playing",
       .data = NowPlayingData::nothingPlaying(renderMoment),
       .elapsed = "0:00",
       .duration = "0:00",
       .elapsedUnits = 40},
      // Its timer reads 1:00:00 at the end, wider than its label: the field keeps room for it,
      // paused or playing.
      {.name = "an hour long",
       .data = track(1800, 3600, false),
       .elapsed = "30:00",
       .duration = "60:00",
       .elapsedUnits = 70,
       .played = 0.5},
      {.name = "past its first hour, playing",
       .data = track(3600, 4505, true),
       .elapsed = "1:00:00",
       .duration = "75:05",
       .elapsedUnits = 70,
       .played = 3600.0 / 4505},
      {.name = "stored below the start",
       .data = track(-30, 245, false),
       .elapsed = "0:00",
       .duration = "4:05",
       .elapsedUnits = 40},
      {.name = "stored past the end",
       .data = track(300, 245, false),
       .elapsed = "5:00",
       .duration = "4:05",
       .elapsedUnits = 40,
       .played = 1},
      {.name = "playing, length unknown",
       .data = track(30, 0, true),
       .elapsed = "0:30",
       .duration = "0:00",
       .elapsedUnits = 40},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    ZCtx ctx = mediumWidget.context();
    double u = ctx.u;
    const NowPlayingSnapshot &now = c.data.now;
    LaidOutTree tree = layReal(NowPlayingDeckView{c.data, ctx}.body(), mediumWidget, renderMoment);
    EXPECT_EQ(tree.root.texts(), (std::vector<std::string>{"NOW PLAYING", now.title, now.artist,
                                                           c.elapsed, c.duration}));
    std::vector<Rect> capsules = kit::ui::testing::framesOf(tree, "Capsule");
    ASSERT_EQ(capsules.size(), 2u);
    const Rect &track = capsules[0], &filled = capsules[1];
    EXPECT_NEAR(track.minX() - 9 * u - textNode(tree, "NOW PLAYING").frame.minX(),
                c.elapsedUnits * u, 1e-9);
    EXPECT_FALSE(fitted(textNode(tree, c.elapsed)).truncated);
    EXPECT_EQ(fitted(textNode(tree, c.elapsed)).lineCount, 1);
    EXPECT_NEAR(filled.size.width, c.played ? track.size.width * *c.played : 4 * u, 1e-9);
    EXPECT_EQ(track.size.height, 4 * u);

    auto keys = buttons(tree);
    ASSERT_EQ(keys.size(), 4u);
    EXPECT_EQ(std::vector({intentOf(*keys[0]).parameters, intentOf(*keys[1]).parameters,
                           intentOf(*keys[3]).parameters}),
              (std::vector<kit::foundation::Json>{
                  {{"command", "previous"}}, {{"command", "next"}}, {{"command", "playpause"}}}));
    EXPECT_EQ(intentOf(*keys[2]).type, "ToggleLikeTrackIntent");
    EXPECT_EQ(figureIn(*keys[2]), figureOf(HeartGlyph(17 * u, c.data.liked)));
    if (c.data.liked)
      EXPECT_TRUE(litInAccent(glyphInk(*keys[2]), ctx.accent));
    else
      EXPECT_EQ(glyphInk(*keys[2]), Paint{ZavelTokens::keyInk});
    EXPECT_EQ(figureIn(*keys[3]), figureOf(now.isPlaying ? PauseGlyph(19 * u) : PlayGlyph(19 * u)));
    const LaidOutNode *lamp = tree.root.findAll("Circle").front();
    EXPECT_EQ(lamp->as<ShapeDraw>()->paint,
              Paint{now.isPlaying ? ctx.accent : ZavelTokens::barGray});
  }
}

TEST(RemoteView, ShortScreenAboveThreeTransportKeys) {
  const struct {
    const char *name;
    NowPlayingData data;
  } cases[] = {
      {.name = "playing", .data = track(30, 245, true)},
      {.name = "paused", .data = track(30, 245, false)},
      {.name = "nothing playing", .data = NowPlayingData::nothingPlaying(renderMoment)},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    ZCtx ctx = smallWidget.context();
    double u = ctx.u;
    LaidOutTree tree = layReal(RemoteView{c.data, ctx}.body(), smallWidget, renderMoment);
    EXPECT_EQ(tree.root.texts(),
              (std::vector<std::string>{"REMOTE", c.data.now.title, c.data.now.artist}));
    // The screen is the first shape drawn: 96 units high, 14 in from the edges.
    const Rect &screen = tree.root.findAll("EllipticalGradient").front()->frame;
    expectRectNear(screen, {{14 * u, 14 * u}, {170 - 28 * u, 96 * u}}, "screen");
    auto keys = buttons(tree);
    ASSERT_EQ(keys.size(), 3u);
    std::vector<std::string> commands;
    for (const LaidOutNode *key : keys)
      commands.push_back(intentOf(*key).parameters["command"]);
    EXPECT_EQ(commands, (std::vector<std::string>{"previous", "playpause", "next"}));
    EXPECT_NEAR(keys[1]->frame.size.width, 64 * u, 1e-9);
    EXPECT_NEAR(keys[1]->frame.midX(), 85, 1e-9);
    EXPECT_EQ(figureIn(*keys[1]),
              figureOf(c.data.now.isPlaying ? PauseGlyph(21 * u) : PlayGlyph(21 * u)));
    EXPECT_EQ(tree.root.findAll("Circle").front()->as<ShapeDraw>()->paint,
              Paint{c.data.now.isPlaying ? ctx.accent : ZavelTokens::barGray});
  }
}

} // namespace
} // namespace zavel
