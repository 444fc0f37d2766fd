#include "host/Help.h"

#include "Shared/Data/WidgetIntents/CasingOption.h"
#include "kit/intents/AppEnum.h"

#include <fmt/format.h>

#include <algorithm>

namespace zavel::host {
namespace {

// The casing's raw values, as --config takes them.
std::string casingValues() {
  std::string values;
  for (const auto &c : kit::intents::AppEnumDefinition<CasingOption>::cases)
    values += (values.empty() ? "" : ", ") + std::string(c.rawValue);
  return values;
}

// An intent's parameters with their defaults: "steps (1000)"; one without a default by name.
std::string parameterList(const kit::intents::IntentDescription &intent) {
  std::string list;
  for (const auto &parameter : intent.parameters) {
    list += list.empty() ? "" : ", ";
    list += parameter.name;
    if (!parameter.defaultValue.is_null())
      list += " (" + parameter.defaultValue.dump() + ")";
  }
  return list;
}

void printIntents(std::ostream &out, const kit::intents::IntentRegistry &intents) {
  auto all = intents.intents();
  std::size_t width = 0;
  for (const auto &intent : all)
    width = std::max(width, intent.typeName.size());
  out << "\nINTENT, for perform; its parameters (with their defaults) go in --params JSON:\n";
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

} // namespace

void printHelp(std::ostream &out, std::span<const CommandHelp> commands,
               const kit::intents::IntentRegistry &intents) {
  out << "usage: zavel-widgets COMMAND [ARGUMENTS]\n\ncommands:\n";
  for (const CommandHelp &command : commands)
    out << "  " << command.usage << "\n      " << command.what << '\n';
  out << "  help\n      this text\n";
  out << "\nKIND is a widget's kind, as list prints it (zavel.weather.current).\n"
         "--config JSON is the widget's configuration, parameter name to value, as list --json\n"
         "names them; every widget takes \"casing\": "
      << casingValues()
      << ".\n"
         "X and Y are points from the widget's top-left corner: small 170x170, medium 364x170,\n"
         "large 364x382. A PNG at scale 2 has twice as many pixels each way.\n";
  printIntents(out, intents);
  printEntities(out, intents);
  out << "\nexit status: 0 done; 1 not done (a file or the settings could not be written, or\n"
         "defaults read found nothing); 2 a bad command line, an unknown name or malformed JSON,\n"
         "with nothing written.\n";
}

} // namespace zavel::host
