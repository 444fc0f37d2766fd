#include "Shared/Views/FeaturedViews/MediaKeys.h"

#include "Shared/Data/MediaIntents/MediaCommandIntent.h"
#include "Shared/Views/Glyphs/KeyGlyphs.h"
#include "kit/intents/AppIntent.h"

namespace zavel {

kit::ui::IntentReference mediaCommand(std::string command) {
  MediaCommandIntent intent;
  intent.command = std::move(command);
  return kit::intents::intentReference(intent);
}

kit::ui::View PlayPauseGlyph(bool playing, double size) {
  return playing ? PauseGlyph(size) : PlayGlyph(size);
}

} // namespace zavel
