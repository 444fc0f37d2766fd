#include "Widgets/FeaturedWidgets/FeaturedWidgets.h"

#include "Shared/Views/FeaturedViews/NotesDeckView.h"
#include "Shared/Views/FeaturedViews/NowPlayingDeckView.h"
#include "Shared/Views/FeaturedViews/RemoteView.h"
#include "Shared/Views/FeaturedViews/WeatherDeckView.h"

namespace zavel {

ZavelWidget<WeatherDeckProvider> WeatherDeckWidget() {
  return {
      .typeName = "WeatherDeckWidget",
      .kind = "zavel.weather.deck",
      .size = ZavelSize::l,
      .face =
          [](const WeatherDeckEntry &entry, const ZCtx &ctx) {
            return WeatherDeckView{entry.data, ctx}.body();
          },
      .name = "Weather Deck",
      .description = "A weather instrument with four keys and four screens.",
  };
}

ZavelWidget<NowPlayingDeckProvider> NowPlayingDeckWidget() {
  return {
      .typeName = "NowPlayingDeckWidget",
      .kind = "zavel.nowplaying",
      .size = ZavelSize::m,
      .face =
          [](const NowPlayingEntry &entry, const ZCtx &ctx) {
            return NowPlayingDeckView{entry.data, ctx}.body();
          },
      .name = "Now Playing",
      .description = "Apple Music with transport keys and a live meter.",
  };
}

ZavelWidget<NowPlayingDeckProvider> RemoteWidget() {
  return {
      .typeName = "RemoteWidget",
      .kind = "zavel.remote",
      .size = ZavelSize::s,
      .face =
          [](const NowPlayingEntry &entry, const ZCtx &ctx) {
            return RemoteView{entry.data, ctx}.body();
          },
      .name = "Remote",
      .description = "Three keys for Apple Music.",
  };
}

ZavelWidget<LocalProvider<NotesDeckData>> NotesDeckWidget() {
  return {
      .typeName = "NotesDeckWidget",
      .kind = "zavel.notes.deck",
      .size = ZavelSize::m,
      .provider = NotesDeckProvider(),
      .face =
          [](const NotesDeckEntry &entry, const ZCtx &ctx) {
            return NotesDeckView{entry.data, ctx}.body();
          },
      .name = "Notes Deck",
      .description = "Flip through your notes; pin one with the orange key.",
  };
}

} // namespace zavel
