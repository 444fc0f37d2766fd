#include "host/TestBundle.h"

#include "Shared/Data/AppGroup.h"
#include "Shared/Data/SharedSuite.h"
#include "kit/foundation/notifications/DistributedNotificationCenter.h"
#include "kit/foundation/tasks/BackgroundTasks.h"
#include "kit/ui/UI.h"
#include "kit/widgets/WidgetCenter.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <fstream>
#include <thread>

namespace zavel::host::testing {
namespace {

using namespace kit::ui;

const std::vector<PlaceEntity> &allPlaces() {
  static const std::vector<PlaceEntity> places{{"oslo"}, {"lisbon"}, {"kyoto"}};
  return places;
}

std::string lowered(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return char(std::tolower(c)); });
  return lower;
}

TallyEntry entryAt(kit::foundation::Date date, const TallyConfigIntent &configuration,
                   std::string label) {
  return {date,
          {std::move(label), SharedSuite::open().integer(kCountKey), configuration.step,
           configuration.place ? configuration.place->displayRepresentation().title : ""}};
}

View placed(const View &view, const Rect &frame) {
  return view.frame(frame.size.width, frame.size.height)
      .padding(EdgeInsets{frame.minY(), frame.minX(), 0, 0});
}

View tallyView(const TallyEntry &entry) {
  TallyIntent count;
  count.step = entry.data.step;
  return ZStack(
             Alignment::topLeading,
             {Rectangle().fill(kTallyFill),
              placed(Text(entry.data.label + " " + std::to_string(entry.data.count))
                         .font(Font::system(12))
                         .foreground(Color::white),
                     {{20, 80}, {130, 20}}),
              placed(Button(kit::intents::intentReference(count), Rectangle().fill(Color::white)),
                     kKeyFrame),
              placed(Link(std::string(kLinkURL), Rectangle().fill(Color::black)), kLinkFrame)})
      .widgetURL(std::string(kWidgetURL));
}

View boardView(const TallyEntry &entry) {
  return HStack(VAlign::center, 0,
                {Rectangle().fill(kBoardAccentable).widgetAccentable(),
                 ZStack({Rectangle().fill(Color::black), Text(entry.data.label)})});
}

} // namespace

kit::intents::DisplayRepresentation PlaceEntity::displayRepresentation() const {
  std::string title = id;
  if (!title.empty())
    title[0] = char(std::toupper(static_cast<unsigned char>(title[0])));
  return {title};
}

std::vector<PlaceEntity> PlaceQuery::entitiesFor(const std::vector<std::string> &ids) const {
  std::vector<PlaceEntity> found;
  for (const auto &place : allPlaces())
    if (std::find(ids.begin(), ids.end(), place.id) != ids.end())
      found.push_back(place);
  return found;
}

std::vector<PlaceEntity> PlaceQuery::entitiesMatching(std::string_view text) const {
  std::vector<PlaceEntity> found;
  for (const auto &place : allPlaces())
    if (place.id.find(lowered(text)) != std::string::npos)
      found.push_back(place);
  return found;
}

std::vector<PlaceEntity> PlaceQuery::suggestedEntities() const {
  return {allPlaces()[0], allPlaces()[1]};
}

TallyEntry TallyProvider::placeholder(const kit::widgets::TimelineContext &) const {
  return {kFirstEntry, {"Placeholder", 0, 1, ""}};
}

TallyEntry TallyProvider::snapshot(const Intent &configuration,
                                   const kit::widgets::TimelineContext &context) const {
  return entryAt(kFirstEntry, configuration,
                 context.isPreview ? "Preview " + configuration.label : configuration.label);
}

kit::widgets::Timeline<TallyEntry>
TallyProvider::timeline(const Intent &configuration, const kit::widgets::TimelineContext &) const {
  kit::widgets::Timeline<TallyEntry> timeline;
  for (int minute = 0; minute < 3; ++minute)
    timeline.entries.push_back(entryAt(kFirstEntry.addingTimeInterval(60.0 * minute), configuration,
                                       configuration.label + " #" + std::to_string(minute)));
  timeline.policy = kit::widgets::ReloadPolicy::after(kFirstEntry.addingTimeInterval(600));
  return timeline;
}

kit::widgets::AppIntentConfiguration<TallyProvider> TallyWidget::body() const {
  return kit::widgets::AppIntentConfiguration<TallyProvider>("test.tally", TallyProvider{},
                                                             tallyView)
      .configurationDisplayName("Tally & <Count>")
      .description("Counts what the key adds.")
      .contentMarginsDisabled();
}

kit::widgets::AppIntentConfiguration<TallyProvider> TallyBoardWidget::body() const {
  return kit::widgets::AppIntentConfiguration<TallyProvider>("test.tally.board", TallyProvider{},
                                                             boardView)
      .configurationDisplayName("Board")
      .description("Half accent, half not.")
      .supportedFamily(kit::widgets::WidgetFamily::systemMedium)
      .contentMarginsDisabled();
}

kit::intents::IntentResult TallyIntent::perform() const noexcept {
  auto suite = SharedSuite::open();
  int64_t count = suite.integer(kCountKey) + step;
  suite.set(kCountKey, count);
  std::ofstream(AppGroup::containerURL() / kTallyFile) << "{\"count\":" << count << "}";
  kit::widgets::WidgetCenter::shared().reloadTimelines("test.tally.board");
  kit::foundation::DistributedNotificationCenter::defaultCenter().postNotificationName(
      "com.test.tally.changed");
  return kit::intents::IntentResult::result();
}

kit::intents::IntentResult LateIntent::perform() const noexcept {
  kit::foundation::runDetached([] {
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    SharedSuite::open().set(kLateKey, true);
  });
  return kit::intents::IntentResult::result();
}

kit::widgets::WidgetBundle testBundle() {
  kit::widgets::WidgetBundle bundle;
  bundle.add<TallyWidget>()
      .add<TallyBoardWidget>()
      .addIntent<TallyIntent>()
      .addIntent<LateIntent>();
  return bundle;
}

} // namespace zavel::host::testing
