#include "host/HostJson.h"

#include "kit/foundation/Iso8601.h"

#include <fmt/format.h>

namespace zavel::host::json {

namespace {

Ordered configuration(const kit::intents::IntentDescription &intent) {
  Ordered parameters = Ordered::array();
  for (const auto &parameter : intent.parameters)
    parameters.push_back(Ordered{{"name", parameter.name},
                                 {"title", parameter.title},
                                 {"default", Ordered(parameter.defaultValue)}});
  return {{"type", intent.typeName}, {"title", intent.title}, {"parameters", parameters}};
}

// The entry's own form; null when it has none.
Json entryForm(const kit::widgets::AnyEntry &entry) {
  try {
    return entry.json();
  } catch (const kit::foundation::EncodeError &) {
    return nullptr;
  }
}

// DEL and the C1 controls (U+0080 to U+009F, C2 80 to C2 9F), which the serializer leaves as
// they are and some terminals obey, written as escapes. In valid UTF-8 those bytes stand only for
// them, and only inside strings.
std::string withControlsEscaped(const std::string &text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    auto byte = static_cast<unsigned char>(text[i]);
    auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
    if (byte == 0x7F) {
      escaped += "\\u007f";
    } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {
      escaped += fmt::format("\\u{:04x}", next);
      ++i;
    } else {
      escaped += text[i];
    }
  }
  return escaped;
}

template <class Value> Ordered orNull(const std::optional<Value> &value) {
  return value ? Ordered(*value) : Ordered();
}

} // namespace

Ordered widget(const kit::widgets::WidgetInfo &info) {
  return {{"kind", info.kind},
          {"type", info.typeName},
          {"displayName", info.displayName},
          {"description", info.description},
          {"family", kit::widgets::familyName(info.family)},
          {"configuration", configuration(info.configuration)}};
}

Ordered entry(const kit::widgets::AnyEntry &entry) {
  Json form = entryForm(entry);
  Ordered json{{"date", kit::foundation::iso8601String(entry.date())}};
  if (!form.is_object()) {
    json["data"] = Ordered(form);
    return json;
  }
  json["casing"] = form.contains("casing") ? Ordered(form["casing"]) : Ordered();
  json["data"] = form.contains("data") ? Ordered(form["data"]) : Ordered();
  for (const auto &[name, value] : form.items())
    if (!json.contains(name))
      json[name] = Ordered(value);
  return json;
}

Ordered timeline(std::string_view kind, const std::vector<kit::widgets::AnyEntry> &entries,
                 const std::optional<kit::widgets::ReloadPolicy> &policy) {
  Ordered list = Ordered::array();
  for (const auto &each : entries)
    list.push_back(entry(each));
  return {{"kind", kind},
          {"entries", list},
          {"policy", policy ? Ordered(kit::foundation::encodeJson(*policy)) : Ordered()}};
}

Ordered actionReport(const ActionReport &report) {
  return {{"intent", report.intent ? Ordered(report.intent->type) : Ordered()},
          {"params", report.intent ? Ordered(report.intent->parameters) : Ordered()},
          {"reloaded", report.reloaded},
          {"notifications", report.notifications},
          {"wrote", report.wrote},
          {"url", orNull(report.url)}};
}

void print(std::ostream &out, const Ordered &json) {
  out << withControlsEscaped(json.dump(-1, ' ', false, Ordered::error_handler_t::replace)) << '\n';
}

} // namespace zavel::host::json
