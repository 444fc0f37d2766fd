#include "FuzzSupport.h"
#include "Harnesses.h"

#include "Widgets/ZavelWidgetsBundle.h"

namespace zavel::fuzz {

namespace {

using kit::foundation::Json;

constexpr std::size_t kLongestSearch = 256;

const kit::widgets::WidgetBundle &bundle() {
  static const kit::widgets::WidgetBundle made = makeWidgetsBundle();
  return made;
}

// A configuration the host took is written back and taken again the same.
void configure(const kit::widgets::AnyWidget &widget, const Json &configuration) {
  Json taken;
  try {
    taken = widget.configure(configuration).configurationJson();
  } catch (const kit::foundation::DecodeError &) {
    return;
  }
  Json again;
  try {
    again = widget.configure(taken).configurationJson();
  } catch (const kit::foundation::DecodeError &) {
    require(false, "a configuration written back is refused");
  }
  require(again == taken, "a configuration written back reads otherwise");
}

} // namespace

int fuzzConfiguration(const std::uint8_t *data, std::size_t size) {
  fuzzingHome();
  std::string_view text = textOf(data, size);
  auto json = kit::foundation::parseJson(text);
  for (const auto &widget : bundle().widgets()) {
    if (json)
      configure(widget, *json);
    // The text as the value of each parameter: an entity id, an option's raw value, a date.
    for (const auto &parameter : widget.info().configuration.parameters)
      configure(widget, Json{{parameter.name, std::string(text)}});
  }
  // The text as typed into an entity search: a search goes through every entity, so only texts
  // of a length a person types.
  if (size > kLongestSearch)
    return 0;
  for (const auto &entity : bundle().intents().entityTypeNames())
    bundle().intents().entityQuery(entity)->entitiesMatching(text);
  return 0;
}

} // namespace zavel::fuzz
