#include "host/Host.h"

#include "host/CommandErrors.h"
#include "host/Commands.h"
#include "kit/foundation/Locale.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace zavel::host {
namespace {

struct Command {
  std::string_view name;
  int (*run)(Words, CommandContext &);
  std::string_view usage;
};

constexpr std::array commands{
    Command{"list", listCommand, "list [--json]"},
    Command{"timeline", timelineCommand, "timeline KIND [--config JSON] [--preview]"},
    Command{"render", renderCommand,
            "render KIND [--config JSON] [--entry N] [--scale S] [--size WxH]\n"
            "         [--mode full|accented|vibrant] [--scheme light|dark] -o FILE.png "
            "[--tree FILE.json]"},
    Command{"gallery", galleryCommand, "gallery -o DIR"},
    Command{"press", pressCommand, "press KIND X Y [--config JSON]"},
    Command{"perform", performCommand, "perform INTENT [--params JSON]"},
    Command{"query", queryCommand, "query ENTITY [TEXT]"},
    Command{"defaults", defaultsCommand,
            "defaults read|write|delete KEY [VALUE] "
            "[--int|--double|--bool|--string|--json|--array]"},
};

void printHelp(std::ostream &out) {
  out << "usage: zavel-widgets COMMAND [ARGUMENTS]\ncommands:\n";
  for (const Command &command : commands)
    out << "  " << command.usage << '\n';
  out << "  help\n";
}

// Messages from libraries may span lines; the host reports one.
std::string oneLine(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  return text;
}

int report(std::ostream &err, std::string_view command, const std::exception &error,
           ExitStatus status) {
  err << "zavel-widgets: " << command << (command.empty() ? "" : ": ") << oneLine(error.what())
      << '\n';
  return status;
}

const Command *findCommand(std::string_view name) {
  auto found = std::find_if(commands.begin(), commands.end(),
                            [&](const Command &command) { return command.name == name; });
  return found == commands.end() ? nullptr : &*found;
}

} // namespace

int run(std::span<const std::string> words, const kit::widgets::WidgetBundle &bundle,
        std::ostream &out, std::ostream &err) {
  // Dates and numbers follow the user's locale from here on.
  kit::foundation::Locale::current();
  if (words.empty())
    return report(err, "", BadInput("no command; see zavel-widgets help"), badInput);
  const std::string &name = words.front();
  if (name == "help" || name == "--help" || name == "-h") {
    printHelp(out);
    return success;
  }
  const Command *command = findCommand(name);
  if (!command)
    return report(err, "", BadInput("unknown command \"" + name + "\"; see zavel-widgets help"),
                  badInput);
  BackgroundWait backgroundWait;
  CommandContext context{bundle, out, backgroundWait};
  int status = failure;
  try {
    status = command->run(words.subspan(1), context);
  } catch (const BadInput &error) {
    status = report(err, name, error, badInput);
  } catch (const std::exception &error) {
    status = report(err, name, error, failure);
  }
  backgroundWait.wait();
  return status;
}

} // namespace zavel::host
