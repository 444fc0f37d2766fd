#include "host/HostJson.h"

#include "kit/foundation/Iso8601.h"

namespace zavel::host::json {

namespace {

Json configuration(const kit::intents::IntentDescription &intent) {
  Json parameters = Json::array();
  for (const auto &parameter : intent.parameters)
    parameters.push_back({{"name", parameter.name},
                          {"title", parameter.title},
                          {"default", parameter.defaultValue}});
  return {{"type", intent.typeName}, {"title", intent.title}, {"parameters", parameters}};
}

template <class Value> Json orNull(const std::optional<Value> &value) {
  return value ? Json(*value) : Json();
}

} // namespace

Json widget(const kit::widgets::WidgetInfo &info) {
  return {{"kind", info.kind},
          {"type", info.typeName},
          {"displayName", info.displayName},
          {"description", info.description},
          {"family", kit::widgets::familyName(info.family)},
          {"configuration", configuration(info.configuration)}};
}

Json entry(const kit::widgets::AnyEntry &entry) {
  Json json = Json::object();
  try {
    Json own = entry.json();
    if (own.is_object())
      json = std::move(own);
    else
      json["data"] = std::move(own);
  } catch (const kit::foundation::EncodeError &) {
    json["data"] = nullptr;
  }
  json["date"] = kit::foundation::iso8601String(entry.date());
  return json;
}

Json timeline(std::string_view kind, const std::vector<kit::widgets::AnyEntry> &entries,
              const std::optional<kit::widgets::ReloadPolicy> &policy) {
  Json list = Json::array();
  for (const auto &each : entries)
    list.push_back(entry(each));
  return {{"kind", kind},
          {"entries", list},
          {"policy", policy ? kit::foundation::encodeJson(*policy) : Json()}};
}

Json actionReport(const ActionReport &report) {
  return {{"intent", report.intent ? Json(report.intent->type) : Json()},
          {"params", report.intent ? report.intent->parameters : Json()},
          {"reloaded", report.reloaded},
          {"notifications", report.notifications},
          {"wrote", report.wrote},
          {"url", orNull(report.url)}};
}

void print(std::ostream &out, const Json &json) {
  out << json.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n';
}

} // namespace zavel::host::json
