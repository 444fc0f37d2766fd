#include "host/Help.h"

#include "Shared/Data/AppGroup.h"
#include "host/QuotedText.h"
#include "kit/foundation/ZavelHome.h"
#include "kit/foundation/net/WebService.h"

#include <fmt/format.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace zavel::host {
namespace {

using kit::intents::ParameterDescription;

std::string joined(const std::vector<std::string> &words) {
  std::string text;
  for (const auto &word : words)
    text += (text.empty() ? "" : ", ") + word;
  return text;
}

// Names in the order first met, each once.
void addOnce(std::vector<std::string> &names, const std::string &name) {
  if (std::find(names.begin(), names.end(), name) == names.end())
    names.push_back(name);
}

// A parameter with choices, and how many configurations declare it so.
struct ChoiceParameter {
  std::string name;
  std::vector<std::string> choices;
  std::size_t widgets = 0;
};

// The configurations' parameters with choices, each name and list once, in the order first met.
std::vector<ChoiceParameter> choiceParameters(const kit::widgets::WidgetBundle &bundle) {
  std::vector<ChoiceParameter> choices;
  for (const auto &widget : bundle.widgets())
    for (const ParameterDescription &parameter : widget.info().configuration.parameters) {
      if (parameter.choices.empty())
        continue;
      auto found = std::find_if(choices.begin(), choices.end(), [&](const auto &known) {
        return known.name == parameter.name && known.choices == parameter.choices;
      });
      if (found == choices.end())
        found = choices.insert(choices.end(), {parameter.name, parameter.choices});
      ++found->widgets;
    }
  return choices;
}

// Each entity type the configurations pick, with the names of the parameters that pick it.
using EntityParameters = std::pair<std::string, std::vector<std::string>>;
std::vector<EntityParameters> entityParameters(const kit::widgets::WidgetBundle &bundle) {
  std::vector<EntityParameters> entities;
  for (const auto &widget : bundle.widgets())
    for (const ParameterDescription &parameter : widget.info().configuration.parameters) {
      if (parameter.entityType.empty())
        continue;
      auto found = std::find_if(entities.begin(), entities.end(), [&](const auto &known) {
        return known.first == parameter.entityType;
      });
      if (found == entities.end())
        found = entities.insert(entities.end(), {parameter.entityType, {}});
      addOnce(found->second, parameter.name);
    }
  return entities;
}

void printChoices(std::ostream &out, const kit::widgets::WidgetBundle &bundle) {
  auto choices = choiceParameters(bundle);
  if (!choices.empty())
    out << "Values with choices (others are refused):\n";
  for (const auto &parameter : choices)
    out << fmt::format("  {:<8} {}{}\n", parameter.name, joined(parameter.choices),
                       parameter.widgets == bundle.widgets().size() ? " (every widget)" : "");
  auto entities = entityParameters(bundle);
  if (!entities.empty())
    out << "Ids of entities, as query finds them (one that names nothing is kept, with a "
           "warning):\n";
  for (const auto &[type, names] : entities)
    out << fmt::format("  {:<19} {}\n", type, joined(names));
}

void printConfiguration(std::ostream &out, const kit::widgets::WidgetBundle &bundle) {
  out << "\nKIND is a widget's kind, as list prints it (zavel.weather.current).\n"
         "--config JSON is the widget's configuration, parameter name to value, as list --json\n"
         "names them; a name the widget does not take is refused.\n";
  printChoices(out, bundle);
}

void printPoints(std::ostream &out) {
  out << "\nX and Y are points from the widget's top-left corner: small 170x170, medium "
         "364x170,\nlarge 364x382. A PNG at scale 2 has twice as many pixels each way. "
         "-o - writes the PNG\n(or --tree - the tree) to standard output.\n";
}

void printReport(std::ostream &out) {
  out << "\npress and perform print one JSON line: intent, params, reloaded (the kinds "
         "reloaded, in\norder), notifications (the names the action posts on the session bus, "
         "in order; without\na bus they are dropped, and still listed), wrote (the suite keys and "
         "files written) and\nurl (a link's address: links are not opened).\n";
}

// An intent's parameters: "steps (1000)"; "view ("home"; home, today, week, fav)".
std::string parameterList(const kit::intents::IntentDescription &intent) {
  std::vector<std::string> parameters;
  for (const ParameterDescription &parameter : intent.parameters) {
    std::vector<std::string> notes;
    if (!parameter.defaultValue.is_null())
      notes.push_back(parameter.defaultValue.dump());
    if (!parameter.choices.empty())
      notes.push_back(joined(parameter.choices));
    std::string text = parameter.name;
    for (std::size_t i = 0; i < notes.size(); ++i)
      text += (i == 0 ? " (" : "; ") + notes[i] + (i + 1 == notes.size() ? ")" : "");
    parameters.push_back(text);
  }
  return joined(parameters);
}

void printIntents(std::ostream &out, const kit::intents::IntentRegistry &intents) {
  auto all = intents.intents();
  std::size_t width = 0;
  for (const auto &intent : all)
    width = std::max(width, intent.typeName.size());
  out << "\nINTENT, for perform; its parameters (with their defaults and choices) go in --params "
         "JSON:\n";
  for (const auto &intent : all) {
    std::string parameters = parameterList(intent);
    out << (parameters.empty() ? fmt::format("  {}\n", intent.typeName)
                               : fmt::format("  {:<{}}  {}\n", intent.typeName, width, parameters));
  }
}

void printEntities(std::ostream &out, const kit::intents::IntentRegistry &intents) {
  out << "\nENTITY, for query; without TEXT it lists the suggested ones:\n";
  for (const auto &name : intents.entityTypeNames())
    out << "  " << name << '\n';
}

void printDataHome(std::ostream &out) {
  using kit::foundation::environmentVariable;
  using kit::foundation::WebService;
  out << "\nThe data home is " << quotedPath(kit::foundation::zavelHome())
      << " (ZAVEL_HOME, else $XDG_DATA_HOME/zavel\nwhen that is absolute, else "
         "~/.local/share/zavel). In it: the shared settings\nin suites/, the notes in "
         "containers/"
      << AppGroup::identifier
      << "/notes.json,\ncalendars and reminders in calendars/<calendar>/*.ics.\n"
         "Environment:\n";
  const std::pair<std::string, std::string_view> variables[] = {
      {"ZAVEL_HOME, XDG_DATA_HOME", "the data home"},
      {"ZAVEL_RESOURCES", "the folder that holds the shipped fonts/"},
      {environmentVariable(WebService::forecast), "the forecast service's address"},
      {environmentVariable(WebService::geocoding), "the place search's address"},
      {environmentVariable(WebService::airQuality), "the air-quality service's address"},
      {environmentVariable(WebService::stocks), "the stock quotes' address (a service"},
      {"", "whose address is unset is never asked)"},
      {"TZ", "the machine's zone"},
      {"TZDIR", "the zone database (else /usr/share/zoneinfo)"},
      {"LC_ALL, LC_TIME, LANG", "the locale"},
  };
  for (const auto &[names, what] : variables)
    out << fmt::format("  {:<26} {}\n", names, what);
}

void printTopics(std::ostream &out, unsigned topics, const kit::widgets::WidgetBundle &bundle) {
  if (topics & configurationTopic)
    printConfiguration(out, bundle);
  if (topics & pointsTopic)
    printPoints(out);
  if (topics & reportTopic)
    printReport(out);
  if (topics & intentsTopic)
    printIntents(out, bundle.intents());
  if (topics & entitiesTopic)
    printEntities(out, bundle.intents());
  if (topics & dataHomeTopic)
    printDataHome(out);
}

void printUsage(std::ostream &out, const CommandHelp &command) {
  out << "  " << command.usage << "\n      " << command.what << '\n';
}

} // namespace

void printHelp(std::ostream &out, std::span<const CommandHelp> commands,
               const kit::widgets::WidgetBundle &bundle) {
  out << "usage: zavel-widgets COMMAND [ARGUMENTS]   (zavel-widgets COMMAND --help: one "
         "command)\n\ncommands:\n";
  unsigned topics = 0;
  for (const CommandHelp &command : commands) {
    printUsage(out, command);
    topics |= command.topics;
  }
  out << "  help [COMMAND]\n      this text, or one command's part (as COMMAND --help)\n";
  printTopics(out, topics, bundle);
  out << "\nexit status: 0 done; 1 not done (a file or the settings could not be written,\n"
         "defaults read found nothing, or a place search has no service to ask); 2 a bad command\n"
         "line, an unknown name or malformed JSON, with nothing written.\n";
}

void printCommandHelp(std::ostream &out, const CommandHelp &command,
                      const kit::widgets::WidgetBundle &bundle) {
  out << "usage:\n";
  printUsage(out, command);
  printTopics(out, command.topics, bundle);
}

} // namespace zavel::host
