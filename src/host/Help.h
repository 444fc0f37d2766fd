#pragma once

#include "kit/widgets/WidgetBundle.h"

#include <ostream>
#include <span>
#include <string_view>

namespace zavel::host {

// What a command's help explains after its usage, as flags.
enum HelpTopic : unsigned {
  // KIND and --config: the configurations' choices and entity ids.
  configurationTopic = 1u << 0,
  // X, Y, --size and --tree frames in points.
  pointsTopic = 1u << 1,
  // The JSON a press or a perform prints.
  reportTopic = 1u << 2,
  // The intents perform takes, with their parameters.
  intentsTopic = 1u << 3,
  // The entities query takes.
  entitiesTopic = 1u << 4,
  // The data home and the environment variables.
  dataHomeTopic = 1u << 5,
};

// One command as help shows it: its arguments, what it does, and the topics that explain them.
struct CommandHelp {
  std::string_view usage;
  std::string_view what;
  unsigned topics = 0;
};

// Every command's arguments, then every topic, then the exit statuses. What the names take is
// read from `bundle` (its widgets' configurations, intents and entities), so it never goes stale.
void printHelp(std::ostream &out, std::span<const CommandHelp> commands,
               const kit::widgets::WidgetBundle &bundle);

// One command's arguments and its topics.
void printCommandHelp(std::ostream &out, const CommandHelp &command,
                      const kit::widgets::WidgetBundle &bundle);

} // namespace zavel::host
