#pragma once

// Every widget behind one interface, so the host reaches each the same way:
//   const AnyWidget *widget = bundle.widget("zavel.water");
//   ConfiguredWidget configured = widget->configure(configurationJson); // throws DecodeError
//   AnyTimeline timeline = configured.timeline(TimelineContext::of(widget->info().family));
//   timeline.entries[0].view(); timeline.entries[0].json(); timeline.policy;

#include "kit/foundation/Date.h"
#include "kit/foundation/JsonCoding.h"
#include "kit/intents/AnyEntityQuery.h"
#include "kit/intents/IntentCoding.h"
#include "kit/intents/IntentDescription.h"
#include "kit/intents/Parameter.h"
#include "kit/ui/View.h"
#include "kit/widgets/AppIntentConfiguration.h"
#include "kit/widgets/ReloadPolicy.h"
#include "kit/widgets/TimelineContext.h"
#include "kit/widgets/TimelineProvider.h"
#include "kit/widgets/WidgetFamily.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace kit::widgets {

// A widget as the gallery lists it.
struct WidgetInfo {
  std::string kind;
  std::string typeName;
  std::string displayName;
  std::string description;
  WidgetFamily family = WidgetFamily::systemSmall;
  bool contentMarginsDisabled = false;
  // The configuration intent: type name, title, parameters with titles and defaults.
  intents::IntentDescription configuration;
};

namespace detail {
struct EntryModel {
  virtual ~EntryModel() = default;
  virtual foundation::Date date() const = 0;
  virtual foundation::Json json() const = 0;
  virtual ui::View view() const = 0;
};
} // namespace detail

// One entry of some widget.
class AnyEntry {
public:
  explicit AnyEntry(std::shared_ptr<const detail::EntryModel> model) : model_(std::move(model)) {}

  foundation::Date date() const { return model_->date(); }
  // The entry's JSON form; throws EncodeError when it has none (a number that is not finite).
  foundation::Json json() const { return model_->json(); }
  // What the widget draws for the entry, content margins included.
  ui::View view() const { return model_->view(); }

private:
  std::shared_ptr<const detail::EntryModel> model_;
};

struct AnyTimeline {
  std::vector<AnyEntry> entries;
  ReloadPolicy policy = ReloadPolicy::atEnd();
};

namespace detail {
struct ConfiguredModel {
  virtual ~ConfiguredModel() = default;
  virtual AnyEntry snapshot(const TimelineContext &context) const = 0;
  virtual AnyTimeline timeline(const TimelineContext &context) const = 0;
  virtual foundation::Json configurationJson() const = 0;
};

struct WidgetModel {
  virtual ~WidgetModel() = default;
  virtual AnyEntry placeholder(const TimelineContext &context) const = 0;
  virtual std::shared_ptr<const ConfiguredModel> configure(const foundation::Json &json) const = 0;
};

template <TimelineProvider P>
using ConfigurationPointer = std::shared_ptr<const AppIntentConfiguration<P>>;

template <TimelineProvider P> class EntryOf final : public EntryModel {
public:
  EntryOf(ConfigurationPointer<P> widget, typename P::Entry entry)
      : widget_(std::move(widget)), entry_(std::move(entry)) {}
  foundation::Date date() const override { return entry_.date; }
  foundation::Json json() const override { return foundation::encodeJson(entry_); }
  ui::View view() const override { return widget_->view(entry_); }

private:
  ConfigurationPointer<P> widget_;
  typename P::Entry entry_;
};

template <TimelineProvider P>
AnyEntry anyEntry(const ConfigurationPointer<P> &widget, typename P::Entry entry) {
  return AnyEntry(std::make_shared<const EntryOf<P>>(widget, std::move(entry)));
}

template <TimelineProvider P> class ConfiguredOf final : public ConfiguredModel {
public:
  ConfiguredOf(ConfigurationPointer<P> widget, typename P::Intent configuration)
      : widget_(std::move(widget)), configuration_(std::move(configuration)) {}

  AnyEntry snapshot(const TimelineContext &context) const override {
    return anyEntry<P>(widget_, widget_->provider().snapshot(configuration_, context));
  }
  AnyTimeline timeline(const TimelineContext &context) const override {
    auto typed = widget_->provider().timeline(configuration_, context);
    AnyTimeline timeline{{}, typed.policy};
    for (auto &entry : typed.entries)
      timeline.entries.push_back(anyEntry<P>(widget_, std::move(entry)));
    return timeline;
  }
  foundation::Json configurationJson() const override {
    return intents::encodeParameters(configuration_);
  }

private:
  ConfigurationPointer<P> widget_;
  typename P::Intent configuration_;
};

template <TimelineProvider P> class WidgetOf final : public WidgetModel {
public:
  explicit WidgetOf(AppIntentConfiguration<P> widget)
      : widget_(std::make_shared<const AppIntentConfiguration<P>>(std::move(widget))) {}

  AnyEntry placeholder(const TimelineContext &context) const override {
    return anyEntry<P>(widget_, widget_->provider().placeholder(context));
  }
  std::shared_ptr<const ConfiguredModel> configure(const foundation::Json &json) const override {
    return std::make_shared<const ConfiguredOf<P>>(
        widget_, intents::decodeParameters<typename P::Intent>(json));
  }

private:
  ConfigurationPointer<P> widget_;
};

// The queries of the entity types among the intent's parameters.
template <class Intent> std::vector<intents::AnyEntityQuery> entityQueriesOf() {
  std::vector<intents::AnyEntityQuery> queries;
  intents::forEachParameter<Intent>([&](const auto &parameter) {
    using Value = std::remove_cvref_t<decltype(std::declval<Intent>().*parameter.member)>;
    using Base = typename intents::detail::OptionalValue<Value>::type;
    if constexpr (intents::AppEntity<Base>)
      queries.push_back(intents::AnyEntityQuery::of<Base>());
  });
  return queries;
}
} // namespace detail

// A widget with its configuration read, ready to be asked for entries.
class ConfiguredWidget {
public:
  explicit ConfiguredWidget(std::shared_ptr<const detail::ConfiguredModel> model)
      : model_(std::move(model)) {}

  AnyEntry snapshot(const TimelineContext &context) const { return model_->snapshot(context); }
  AnyTimeline timeline(const TimelineContext &context) const { return model_->timeline(context); }
  // The configuration as read, defaults filled in.
  foundation::Json configurationJson() const { return model_->configurationJson(); }

private:
  std::shared_ptr<const detail::ConfiguredModel> model_;
};

class AnyWidget {
public:
  template <TimelineProvider P>
  AnyWidget(std::string typeName, AppIntentConfiguration<P> widget)
      : info_{widget.kind(),
              std::move(typeName),
              widget.displayName(),
              widget.descriptionText(),
              widget.family(),
              widget.areContentMarginsDisabled(),
              intents::describeIntent<typename P::Intent>()},
        entityQueries_(detail::entityQueriesOf<typename P::Intent>()),
        model_(std::make_shared<const detail::WidgetOf<P>>(std::move(widget))) {}

  const WidgetInfo &info() const { return info_; }
  const std::string &kind() const { return info_.kind; }

  // One entry at once, without reading anything: what the host shows while it waits.
  AnyEntry placeholder(const TimelineContext &context) const {
    return model_->placeholder(context);
  }
  // The configuration intent read from `configuration` (parameter name → value) over its
  // defaults; throws DecodeError for a value of the wrong form.
  ConfiguredWidget configure(const foundation::Json &configuration) const {
    return ConfiguredWidget(model_->configure(configuration));
  }

  // The queries of the entity types the configuration uses.
  const std::vector<intents::AnyEntityQuery> &entityQueries() const { return entityQueries_; }

private:
  WidgetInfo info_;
  std::vector<intents::AnyEntityQuery> entityQueries_;
  std::shared_ptr<const detail::WidgetModel> model_;
};

} // namespace kit::widgets
