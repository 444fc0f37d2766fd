#include "kit/widgets/ButtonPress.h"

#include "kit/widgets/WidgetCenter.h"

namespace kit::widgets {

void performButtonIntent(const intents::IntentRegistry &intents, const ui::IntentReference &intent,
                         std::string_view widgetKind) {
  intents.perform(intent);
  WidgetCenter::shared().reloadTimelines(widgetKind);
}

} // namespace kit::widgets
