#include "Shared/Data/ExtrasStores/ReloadKinds.h"

#include "kit/foundation/notifications/DistributedNotificationCenter.h"
#include "kit/widgets/WidgetCenter.h"

namespace zavel {

void reloadKinds(std::span<const std::string_view> kinds) noexcept {
  for (std::string_view kind : kinds)
    kit::widgets::WidgetCenter::shared().reloadTimelines(kind);
  kit::foundation::DistributedNotificationCenter::defaultCenter().postNotificationName(
      reloadWidgetsNotification);
}

void reloadKinds(std::initializer_list<std::string_view> kinds) noexcept {
  reloadKinds(std::span<const std::string_view>(kinds.begin(), kinds.size()));
}

} // namespace zavel
