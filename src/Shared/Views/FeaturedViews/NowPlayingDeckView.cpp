#include "Shared/Views/FeaturedViews/NowPlayingDeckView.h"

#include "Shared/Data/MediaIntents/ToggleLikeTrackIntent.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Deck.h"
#include "Shared/Views/FeaturedViews/MediaKeys.h"
#include "Shared/Views/Glyphs/KeyGlyphs.h"
#include "Shared/Views/Hardware/Bars.h"
#include "Shared/Views/Hardware/EqualizerBars.h"
#include "Shared/Views/Hardware/LEDDot.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/Hardware/NumeralFit.h"
#include "kit/intents/AppIntent.h"
#include "kit/ui/UI.h"
#include "kit/ui/text/TimerText.h"

#include <algorithm>
#include <fmt/format.h>

namespace zavel {
namespace {

using namespace kit::ui;
using kit::intents::intentReference;

// How far the track has played, 0 to 1; 0 when its length is unknown.
double playedFraction(const NowPlayingSnapshot &now) {
  if (now.durationSeconds < 1)
    return 0;
  double fraction = double(now.positionSeconds) / double(now.durationSeconds);
  return std::clamp(fraction, 0.0, 1.0);
}

// A timer running over the track while it plays, else the position as it was stored.
View elapsedText(const NowPlayingSnapshot &now) {
  auto interval = now.trackInterval();
  if (now.isPlaying && interval)
    return Text::timerInterval(interval->start, interval->end, false).monospacedDigit();
  return Text(NowPlayingDeckView::timeLabel(now.positionSeconds));
}

// Wide enough for the longest text the field shows during the track, so the bar does not move
// as the seconds run: the length's label, or the timer at the track's end, which shows hours
// past the first ("1:15:05" where the label reads "75:05"). Digits and colons are a byte each.
double elapsedWidth(const NowPlayingSnapshot &now, const std::string &durationLabel, double u) {
  std::size_t longest = durationLabel.size();
  if (auto interval = now.trackInterval())
    longest = std::max(longest, kit::ui::timerText(interval->start, interval->end, interval->end,
                                                   kit::ui::TimerCounting::up)
                                    .size());
  return std::max(36 * u, 10 * u * double(longest));
}

View timeRow(const NowPlayingSnapshot &now, const ZCtx &ctx) {
  double u = ctx.u;
  std::string duration = NowPlayingDeckView::timeLabel(now.durationSeconds);
  return HStack(VAlign::center, 9 * u,
                {
                    figureFit(elapsedText(now))
                        .frame({.width = elapsedWidth(now, duration, u),
                                .alignment = Alignment::leading}),
                    TrackBar(playedFraction(now), {.height = 4, .fill = ctx.accent}, ctx),
                    Text(duration),
                })
      .font(ctx.mono(10, FontWeight::regular))
      .foreground(ZavelTokens::screenText3)
      .textRole(TextRole::data);
}

} // namespace

std::string NowPlayingDeckView::timeLabel(int64_t seconds) {
  int64_t shown = std::max<int64_t>(seconds, 0);
  return fmt::format("{}:{:02d}", shown / 60, shown % 60);
}

View NowPlayingDeckView::body() const {
  double u = ctx.u;
  const NowPlayingSnapshot &now = data.now;
  Color heartInk = data.liked ? ctx.accent : ZavelTokens::keyInk;
  return Deck(
      ctx, mediumDeck,
      VStack(HAlign::leading, 0,
             {
                 HStack(VAlign::center,
                        {
                            MicroLabel("NOW PLAYING", 10, 0.16, ZavelTokens::screenText2, ctx),
                            Spacer(),
                            LEDDot(now.isPlaying, ctx.accent, 7, ctx),
                        }),
                 Text(now.title)
                     .font(ctx.mono(19, FontWeight::semibold))
                     .lineLimit(1)
                     .padding(Edge::top, 16 * u),
                 Text(now.artist)
                     .font(ctx.mono(12, FontWeight::regular))
                     .foreground(ZavelTokens::screenText2)
                     .lineLimit(1)
                     .padding(Edge::top, 3 * u),
                 Spacer(8 * u),
                 EqualizerBars(now.isPlaying, ctx),
                 timeRow(now, ctx).padding(Edge::top, 16 * u),
             }),
      Group({
          MediumDeckKey(mediaCommand("previous"), ZavelTokens::keyInk, PrevGlyph(17 * u),
                        "previous", ctx),
          MediumDeckKey(mediaCommand("next"), ZavelTokens::keyInk, NextGlyph(17 * u), "next", ctx),
          MediumDeckKey(intentReference(ToggleLikeTrackIntent{}), heartInk,
                        HeartGlyph(17 * u, data.liked), data.liked ? "heart.filled" : "heart", ctx),
      }),
      MediumDeckAccentKey(mediaCommand("playpause"), PlayPauseGlyph(now.isPlaying, 19 * u),
                          now.isPlaying ? "pause" : "play", ctx));
}

} // namespace zavel
