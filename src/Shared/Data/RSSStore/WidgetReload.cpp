#include "Shared/Data/RSSStore/WidgetReload.h"

#include "kit/foundation/notifications/DistributedNotificationCenter.h"
#include "kit/widgets/WidgetCenter.h"

namespace zavel {

void reloadWidgetKinds(const std::vector<std::string> &kinds) noexcept {
  for (const auto &kind : kinds)
    kit::widgets::WidgetCenter::shared().reloadTimelines(kind);
  kit::foundation::DistributedNotificationCenter::defaultCenter().postNotificationName(
      "com.brekholt.zavel.reloadwidgets");
}

} // namespace zavel
