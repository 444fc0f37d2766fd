#include "host/Host.h"

#include "host/CommandErrors.h"
#include "host/Commands.h"
#include "host/Help.h"
#include "host/OutputFiles.h"
#include "host/QuotedText.h"
#include "kit/foundation/Locale.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace zavel::host {
namespace {

struct Command {
  std::string_view name;
  int (*run)(Words, CommandContext &);
  CommandHelp help;
};

constexpr std::array commands{
    Command{"list",
            listCommand,
            {"list [--json]",
             "the widgets in gallery order: kind, type, name, description, size class, "
             "configuration"}},
    Command{"timeline",
            timelineCommand,
            {"timeline KIND [--config JSON] [--preview]",
             "the widget's timeline as JSON; --preview gives its gallery snapshot",
             configurationTopic}},
    Command{"render",
            renderCommand,
            {"render KIND [--config JSON] [--entry N] [--scale S] [--size WxH]\n"
             "         [--mode full|accented|vibrant] [--scheme light|dark] -o FILE.png "
             "[--tree FILE.json]",
             "entry N (the first by default) drawn at scale S (2 by default); --tree its layout",
             configurationTopic | pointsTopic}},
    Command{"gallery",
            galleryCommand,
            {"gallery -o DIR",
             "every widget's gallery snapshot (its built-in sample) as a PNG, and an "
             "index.html"}},
    Command{"press",
            pressCommand,
            {"press KIND X Y [--config JSON]",
             "presses the key at a point and prints what it did as JSON (a link's address)",
             configurationTopic | pointsTopic | reportTopic}},
    Command{"perform",
            performCommand,
            {"perform INTENT [--params JSON]",
             "performs a key's intent by name and prints what it did as JSON",
             reportTopic | intentsTopic}},
    Command{
        "query",
        queryCommand,
        {"query ENTITY [TEXT]", "the entities a configuration can name, as JSON", entitiesTopic}},
    Command{"defaults",
            defaultsCommand,
            {"defaults read|write|delete KEY [VALUE] "
             "[--int|--double|--bool|--string|--json|--array]",
             "the shared settings; --json stores the text as data, as records are kept",
             dataHomeTopic}},
};

void printHelp(std::ostream &out, const kit::widgets::WidgetBundle &bundle) {
  std::vector<CommandHelp> help;
  for (const Command &command : commands)
    help.push_back(command.help);
  host::printHelp(out, help, bundle);
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

// What a command printed is part of its work: a reader that left early fails it.
int checkPrinted(std::ostream &out, std::ostream &err, std::string_view command, int status) {
  auto error = flushOutput(out);
  if (!error || status != success)
    return status;
  return report(err, command, CommandFailure(cannotWriteStandardOutput(error)), failure);
}

const Command *findCommand(std::string_view name) {
  auto found = std::find_if(commands.begin(), commands.end(),
                            [&](const Command &command) { return command.name == name; });
  return found == commands.end() ? nullptr : &*found;
}

// The whole help, or with a command's name that command's part.
int helpCommand(std::span<const std::string> words, const kit::widgets::WidgetBundle &bundle,
                std::ostream &out, std::ostream &err) {
  if (words.empty() || (words.size() == 1 && words.front() == "help")) {
    printHelp(out, bundle);
    return success;
  }
  try {
    const Command *command = findCommand(words.front());
    if (!command)
      throw BadInput("unknown command " + quotedWord(words.front()) +
                     "; zavel-widgets help lists the commands");
    if (words.size() > 1)
      throw BadInput("unexpected argument " + quotedWord(words[1]));
    printCommandHelp(out, command->help, bundle);
    return success;
  } catch (const BadInput &error) {
    return report(err, "help", error, badInput);
  }
}

} // namespace

void CommandContext::warn(std::string_view message) const {
  err << "zavel-widgets: " << command << ": " << oneLine(std::string(message)) << '\n';
}

int run(std::span<const std::string> words, const kit::widgets::WidgetBundle &bundle,
        std::ostream &out, std::ostream &err) {
  // Dates and numbers follow the user's locale from here on.
  kit::foundation::Locale::current();
  if (words.empty())
    return report(err, "", BadInput("no command; see zavel-widgets help"), badInput);
  const std::string &name = words.front();
  if (name == "help" || name == "--help" || name == "-h")
    return checkPrinted(out, err, "help", helpCommand(words.subspan(1), bundle, out, err));
  const Command *command = findCommand(name);
  if (!command)
    return report(err, "",
                  BadInput("unknown command " + quotedWord(name) + "; see zavel-widgets help"),
                  badInput);
  BackgroundWait backgroundWait;
  CommandContext context{bundle, out, err, command->name, backgroundWait};
  int status = failure;
  try {
    status = command->run(words.subspan(1), context);
  } catch (const HelpRequested &) {
    printCommandHelp(out, command->help, bundle);
    status = success;
  } catch (const BadInput &error) {
    status = report(err, name, error, badInput);
  } catch (const std::exception &error) {
    status = report(err, name, error, failure);
  }
  status = checkPrinted(out, err, name, status);
  backgroundWait.wait();
  return status;
}

} // namespace zavel::host
