#pragma once

#include "Shared/Data/WidgetIntents/ActionEnvironment.h"
#include "kit/intents/Parameter.h"

#include <array>
#include <string>
#include <string_view>
#include <tuple>

namespace zavel {

// The transport keys of the now-playing and remote decks: hands `command` ("previous",
// "playpause", "next"; any other text goes as it is) to the host application. A play/pause also
// flips the shared now-playing record at once, so the keys answer before the host does.
struct MediaCommandIntent {
  static constexpr std::string_view typeName = "MediaCommandIntent";
  static constexpr std::string_view title = "Control Music";

  std::string command = "playpause";
  // What the keys send; the command line offers only these.
  static constexpr std::array<std::string_view, 3> commands{"previous", "playpause", "next"};

  static constexpr auto parameters() {
    return std::tuple{
        kit::intents::parameter("command", "Command", &MediaCommandIntent::command, commands)};
  }

  kit::intents::IntentResult perform() const noexcept { return performHere(*this); }
  kit::intents::IntentResult perform(const ActionEnvironment &environment) const noexcept;
};

} // namespace zavel
