#include "Shared/Data/WidgetIntents/ActionIntents.h"

#include "Shared/Data/MediaIntents/MediaCommandIntent.h"
#include "Shared/Data/MediaIntents/ToggleLikeTrackIntent.h"
#include "Shared/Data/WidgetIntents/AddStepsIntent.h"
#include "Shared/Data/WidgetIntents/AddWaterIntent.h"
#include "Shared/Data/WidgetIntents/FocusResetIntent.h"
#include "Shared/Data/WidgetIntents/FocusToggleIntent.h"
#include "Shared/Data/WidgetIntents/HabitToggleIntent.h"
#include "Shared/Data/WidgetIntents/NoteDeckCycleIntent.h"
#include "Shared/Data/WidgetIntents/NoteDeckPinIntent.h"
#include "Shared/Data/WidgetIntents/StopwatchResetIntent.h"
#include "Shared/Data/WidgetIntents/StopwatchToggleIntent.h"
#include "Shared/Data/WidgetIntents/ToggleFavCityIntent.h"
#include "Shared/Data/WidgetIntents/WeatherDeckViewIntent.h"

namespace zavel {

kit::intents::IntentRegistry &addActionIntents(kit::intents::IntentRegistry &registry) {
  return registry.add<WeatherDeckViewIntent>()
      .add<ToggleFavCityIntent>()
      .add<NoteDeckCycleIntent>()
      .add<NoteDeckPinIntent>()
      .add<FocusResetIntent>()
      .add<ToggleLikeTrackIntent>()
      .add<MediaCommandIntent>()
      .add<FocusToggleIntent>()
      .add<StopwatchToggleIntent>()
      .add<StopwatchResetIntent>()
      .add<HabitToggleIntent>()
      .add<AddWaterIntent>()
      .add<AddStepsIntent>();
}

} // namespace zavel
