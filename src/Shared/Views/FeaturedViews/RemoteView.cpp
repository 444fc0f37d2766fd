#include "Shared/Views/FeaturedViews/RemoteView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/FeaturedViews/MediaKeys.h"
#include "Shared/Views/Glyphs/KeyGlyphs.h"
#include "Shared/Views/Hardware/DeviceScreen.h"
#include "Shared/Views/Hardware/HardwareKeys.h"
#include "Shared/Views/Hardware/KeyButton.h"
#include "Shared/Views/Hardware/LEDDot.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "kit/ui/UI.h"

#include <fmt/format.h>
#include <string>

namespace zavel {
namespace {

using namespace kit::ui;

// Between the screen and the casing's edge, in design units.
constexpr double margin = 14;

// The header at the top, the track pushed to the bottom.
View screen(const NowPlayingSnapshot &now, const ZCtx &ctx) {
  double u = ctx.u;
  return ScreenPane(
      screenRadius(ctx, margin * u),
      VStack(HAlign::leading, 0,
             {
                 HStack(VAlign::center,
                        {
                            MicroLabel("REMOTE", 9, 0.16, ZavelTokens::screenText2, ctx),
                            Spacer(),
                            LEDDot(now.isPlaying, ctx.accent, 6, ctx),
                        }),
                 Spacer(0),
                 Text(now.title).font(ctx.mono(13, FontWeight::semibold)).lineLimit(1),
                 Text(now.artist)
                     .font(ctx.mono(10, FontWeight::regular))
                     .foreground(ZavelTokens::screenText2)
                     .lineLimit(1)
                     .padding(Edge::top, 2 * u),
             })
          .padding(Edge::vertical, 14 * u)
          .padding(Edge::horizontal, 16 * u)
          .frame(Frame::fill(Alignment::topLeading)));
}

// A key face's picture depends only on what it shows: drawn once, its shadow's blur included.
View transportKey(const char *command, const View &face, const std::string &look, const ZCtx &ctx) {
  return KeyButton(mediaCommand(command),
                   face.staticLayer(fmt::format("zavel.remote.{}.{}", command, look)), ctx);
}

} // namespace

View RemoteView::body() const {
  double u = ctx.u;
  bool playing = data.now.isPlaying;
  std::string playLook = fmt::format("{}.{}", playing ? "pause" : "play", ctx.accent.hexString());
  return VStack(
             HAlign::center, 12 * u,
             {
                 screen(data.now, ctx).frame({.height = 96 * u}),
                 HStack(VAlign::center, 16 * u,
                        {
                            transportKey("previous",
                                         KeyFace(52 * u, u, ZavelTokens::keyInk, PrevGlyph(18 * u)),
                                         "", ctx),
                            transportKey("playpause",
                                         AccentKeyFace(64 * u, u, ctx.accent,
                                                       PlayPauseGlyph(playing, 21 * u)),
                                         playLook, ctx),
                            transportKey("next",
                                         KeyFace(52 * u, u, ZavelTokens::keyInk, NextGlyph(18 * u)),
                                         "", ctx),
                        })
                     .frame({.maxHeight = infinity}),
             })
      .padding(margin * u);
}

} // namespace zavel
