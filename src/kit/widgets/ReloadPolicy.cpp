#include "kit/widgets/ReloadPolicy.h"

#include "kit/intents/ParameterValue.h"

namespace kit::foundation {

using widgets::ReloadPolicy;
// Dates as intents write them: ISO 8601 text in UTC.
using DateText = intents::ParameterValue<Date>;

Json JsonCoder<ReloadPolicy>::encode(const ReloadPolicy &policy) {
  switch (policy.kind()) {
  case ReloadPolicy::Kind::atEnd:
    return "atEnd";
  case ReloadPolicy::Kind::never:
    return "never";
  case ReloadPolicy::Kind::after:
    break;
  }
  return {{"after", DateText::encode(*policy.date())}};
}

ReloadPolicy JsonCoder<ReloadPolicy>::decode(const Json &json) {
  if (json == "atEnd")
    return ReloadPolicy::atEnd();
  if (json == "never")
    return ReloadPolicy::never();
  Json after = requiredMember<Json>(requireObject(json), "after");
  return ReloadPolicy::after(*DateText::decode(after));
}

} // namespace kit::foundation
