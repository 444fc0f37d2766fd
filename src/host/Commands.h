#pragma once

#include "host/BackgroundWait.h"
#include "kit/widgets/WidgetBundle.h"

#include <ostream>
#include <span>
#include <string>
#include <string_view>

// The host's commands. Each takes the words after its name and returns the exit status; a bad
// command line throws BadInput before anything is written, a failed write CommandFailure.
namespace zavel::host {

struct CommandContext {
  const kit::widgets::WidgetBundle &bundle;
  std::ostream &out;
  std::ostream &err;
  // The command's name, as its lines on `err` begin with it.
  std::string_view command;
  BackgroundWait &backgroundWait;

  // One line on `err` about something the command does anyway.
  void warn(std::string_view message) const;
};

using Words = std::span<const std::string>;

int listCommand(Words words, CommandContext &context);
int timelineCommand(Words words, CommandContext &context);
int renderCommand(Words words, CommandContext &context);
int galleryCommand(Words words, CommandContext &context);
int pressCommand(Words words, CommandContext &context);
int performCommand(Words words, CommandContext &context);
int queryCommand(Words words, CommandContext &context);
int defaultsCommand(Words words, CommandContext &context);

} // namespace zavel::host
