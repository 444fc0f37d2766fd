#pragma once

#include "Widgets/FeaturedWidgets/NotesDeckProvider.h"
#include "Widgets/FeaturedWidgets/NowPlayingDeckProvider.h"
#include "Widgets/FeaturedWidgets/WeatherDeckProvider.h"
#include "Widgets/Shell/ZavelWidget.h"

namespace zavel {

// The featured decks, in gallery order. Their keys are their only touch targets: no widget link.
ZavelWidget<WeatherDeckProvider> WeatherDeckWidget();
ZavelWidget<NowPlayingDeckProvider> NowPlayingDeckWidget();
ZavelWidget<NowPlayingDeckProvider> RemoteWidget();
ZavelWidget<LocalProvider<NotesDeckData>> NotesDeckWidget();

} // namespace zavel
