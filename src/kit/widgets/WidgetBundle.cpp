#include "kit/widgets/WidgetBundle.h"

#include <algorithm>

namespace kit::widgets {

WidgetBundle &WidgetBundle::add(AnyWidget widget) {
  for (const auto &query : widget.entityQueries())
    intents_.addEntityQuery(query);
  widgets_.push_back(std::move(widget));
  return *this;
}

WidgetBundle &WidgetBundle::add(const WidgetBundle &group) {
  widgets_.insert(widgets_.end(), group.widgets_.begin(), group.widgets_.end());
  intents_.merge(group.intents_);
  return *this;
}

WidgetBundle &WidgetBundle::add(std::string title, const WidgetBundle &group) {
  std::size_t begin = widgets_.size();
  add(group);
  sections_.push_back({std::move(title), begin, widgets_.size()});
  return *this;
}

const AnyWidget *WidgetBundle::widget(std::string_view kind) const {
  auto found = std::find_if(widgets_.begin(), widgets_.end(),
                            [&](const AnyWidget &widget) { return widget.kind() == kind; });
  return found == widgets_.end() ? nullptr : &*found;
}

} // namespace kit::widgets
