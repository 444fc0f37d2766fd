#pragma once

#include "kit/ui/IntentReference.h"
#include "kit/ui/View.h"

#include <string>

namespace zavel {

// What the transport keys of the now-playing deck and the remote share.

// The intent a transport key performs: `command` handed to the host's player.
kit::ui::IntentReference mediaCommand(std::string command);

// The play/pause key's icon: the pause bars exactly while the track plays, else the triangle.
kit::ui::View PlayPauseGlyph(bool playing, double size);

} // namespace zavel
