#pragma once

#include "kit/foundation/JsonCoding.h"
#include "kit/intents/AnyEntityQuery.h"
#include "kit/intents/AppEntity.h"
#include "kit/intents/AppIntent.h"
#include "kit/intents/IntentDescription.h"
#include "kit/ui/IntentReference.h"

#include <functional>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace kit::intents {

// An intent type name that no one registered.
struct UnknownIntent : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The button intents and entity types the extension offers, reached by type name: the host
// performs an intent from its name and parameters (JSON), or from a button's intent reference,
// and lists entities through their queries. Registering a name again keeps the first.
class IntentRegistry {
public:
  template <AppIntent T> IntentRegistry &add() {
    addIntent(describeIntent<T>(), [](const foundation::Json &parameters) {
      T intent = decodeParameters<T>(parameters);
      intent.perform();
    });
    return *this;
  }

  template <AppEntity E> IntentRegistry &addEntity() {
    return addEntityQuery(AnyEntityQuery::of<E>());
  }
  IntentRegistry &addEntityQuery(AnyEntityQuery query);

  // Everything `other` holds that this lacks, after what this holds.
  IntentRegistry &merge(const IntentRegistry &other);

  // In the order registered.
  std::vector<IntentDescription> intents() const;
  const IntentDescription *intent(std::string_view typeName) const;

  // Makes the intent with `parameters` read over its defaults, then performs it. Throws
  // UnknownIntent, or DecodeError for parameters of the wrong form (nothing is performed then).
  void perform(std::string_view typeName, const foundation::Json &parameters) const;
  void perform(const ui::IntentReference &reference) const;

  // In the order registered.
  std::vector<std::string> entityTypeNames() const;
  const AnyEntityQuery *entityQuery(std::string_view entityTypeName) const;

private:
  using Performer = std::function<void(const foundation::Json &)>;
  struct Registered {
    IntentDescription description;
    Performer perform;
  };

  void addIntent(IntentDescription description, Performer perform);
  const Registered *find(std::string_view typeName) const;

  std::vector<Registered> intents_;
  std::vector<AnyEntityQuery> entities_;
};

} // namespace kit::intents
