#include "Widgets/RSSWidgets/RSSWidgets.h"

#include "Shared/Views/RSSViews/RSSDeckView.h"
#include "Shared/Views/RSSViews/RSSLatestView.h"
#include "Shared/Views/RSSViews/RSSWireView.h"

namespace zavel {

ZavelWidget<RSSTimelineProvider> RSSLatestWidget() {
  return {
      .typeName = "RSSLatestWidget",
      .kind = "zavel.rss.latest",
      .size = ZavelSize::s,
      .face = dataFace<RSSLatestView>(),
      .name = "Feed",
      .description = "The newest headline from your feeds.",
  };
}

ZavelWidget<RSSDeckProvider> RSSDeckWidget() {
  return {
      .typeName = "RSSDeckWidget",
      .kind = "zavel.rss.deck",
      .size = ZavelSize::m,
      .face = dataFace<RSSDeckView>(),
      .name = "RSS Deck",
      .description = "Flip through headlines; the orange key opens one.",
  };
}

ZavelWidget<RSSTimelineProvider> RSSWireWidget() {
  return {
      .typeName = "RSSWireWidget",
      .kind = "zavel.rss.wire",
      .size = ZavelSize::l,
      .face = dataFace<RSSWireView>(),
      .name = "Wire",
      .description = "Seven headlines on one tall screen.",
  };
}

} // namespace zavel
