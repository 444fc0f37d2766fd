#include "host/ParameterCheck.h"

#include "host/ArgumentValues.h"
#include "host/CommandErrors.h"
#include "host/QuotedText.h"

#include <algorithm>

namespace zavel::host {
namespace {

using kit::intents::IntentDescription;
using kit::intents::ParameterDescription;

const ParameterDescription *declared(const IntentDescription &intent, std::string_view name) {
  auto found = std::find_if(intent.parameters.begin(), intent.parameters.end(),
                            [&](const ParameterDescription &p) { return p.name == name; });
  return found == intent.parameters.end() ? nullptr : &*found;
}

[[noreturn]] void refuseName(const IntentDescription &intent, std::string_view name,
                             std::string_view option) {
  std::string names;
  for (const auto &parameter : intent.parameters)
    names += (names.empty() ? "" : ", ") + parameter.name;
  throw BadInput(std::string(option) + ": " + quotedWord(name) + " is not a parameter of " +
                 intent.typeName + (names.empty() ? ", which takes none" : "; it takes " + names));
}

// A JSON value as a refusal shows it: a text quoted, a number or a boolean as written back.
std::string shownValue(const kit::foundation::Json &value) {
  if (value.is_string())
    return quotedWord(value.get_ref<const std::string &>());
  if (value.is_array())
    return "an array";
  if (value.is_object())
    return "an object";
  return value.dump();
}

// Null leaves a parameter at its default, so it is no value to refuse.
void checkValue(const ParameterDescription &parameter, const kit::foundation::Json &value,
                std::string_view option) {
  std::string what = std::string(option) + ": " + quotedWord(parameter.name);
  if (value.is_null())
    return;
  if (parameter.isInteger && value.is_number_float())
    throw BadInput(what + " takes integers only, not " + shownValue(value));
  const auto &choices = parameter.choices;
  if (choices.empty() ||
      (value.is_string() &&
       std::find(choices.begin(), choices.end(), value.get<std::string>()) != choices.end()))
    return;
  std::vector<std::string_view> names(choices.begin(), choices.end());
  throw BadInput(what + " must be " + arguments::alternatives(names) + ", not " +
                 shownValue(value));
}

} // namespace

void checkParameters(const IntentDescription &intent, const kit::foundation::Json &given,
                     std::string_view option) {
  for (const auto &[name, value] : given.items()) {
    const ParameterDescription *parameter = declared(intent, name);
    if (!parameter)
      refuseName(intent, name, option);
    checkValue(*parameter, value, option);
  }
}

std::vector<std::string> unknownEntityNotes(const IntentDescription &intent,
                                            const kit::foundation::Json &given,
                                            const kit::intents::IntentRegistry &registry,
                                            std::string_view option) {
  std::vector<std::string> notes;
  for (const auto &parameter : intent.parameters) {
    auto value = given.find(parameter.name);
    const auto *query = registry.entityQuery(parameter.entityType);
    if (!query || value == given.end() || !value->is_string())
      continue;
    const auto &id = value->get_ref<const std::string &>();
    if (query->isKnown(id))
      continue;
    notes.push_back(std::string(option) + ": " + quotedWord(parameter.name) + " is " +
                    quotedWord(id) + ", which names no " + query->typeDisplayRepresentation() +
                    " the system knows, so the widget shows its fallback; zavel-widgets query " +
                    query->typeName() + " TEXT finds ids");
  }
  return notes;
}

} // namespace zavel::host
