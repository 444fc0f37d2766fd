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
      .face = dataFace<WeatherDeckView>(),
      .name = "Weather Deck",
      .description = "A weather instrument with four keys and four screens.",
  };
}

ZavelWidget<NowPlayingDeckProvider> NowPlayingDeckWidget() {
  return {
      .typeName = "NowPlayingDeckWidget",
      .kind = "zavel.nowplaying",
      .size = ZavelSize::m,
      .face = dataFace<NowPlayingDeckView>(),
      .name = "Now Playing",
      .description = "Apple Music with transport keys and a live meter.",
  };
}

ZavelWidget<NowPlayingDeckProvider> RemoteWidget() {
  return {
      .typeName = "RemoteWidget",
      .kind = "zavel.remote",
      .size = ZavelSize::s,
      .face = dataFace<RemoteView>(),
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
      .face = dataFace<NotesDeckView>(),
      .name = "Notes Deck",
      .description = "Flip through your notes; pin one with the orange key.",
  };
}

} // namespace zavel
