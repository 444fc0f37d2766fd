#include "Shared/Theme/ThemeSettings.h"

#include "Shared/Theme/DesignTokens.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace zavel {

using kit::foundation::DecodeError;
using kit::foundation::Json;
using Accent = ThemeSettings::Accent;
using Casing = ThemeSettings::Casing;
using NumeralStyle = ThemeSettings::NumeralStyle;

namespace {

template <class Enum, std::size_t N>
using RawValueTable = const std::pair<Enum, std::string_view>[N];

constexpr std::pair<Accent::Kind, std::string_view> accentKeys[] = {
    {Accent::Kind::custom, "custom"}, {Accent::Kind::signal, "signal"},
    {Accent::Kind::ember, "ember"},   {Accent::Kind::teal, "teal"},
    {Accent::Kind::gold, "gold"},
};

constexpr std::pair<Casing, std::string_view> casingValues[] = {{Casing::graphite, "graphite"},
                                                                {Casing::cream, "cream"}};

constexpr std::pair<NumeralStyle, std::string_view> numeralValues[] = {
    {NumeralStyle::firmware, "firmware"},   {NumeralStyle::featherweight, "featherweight"},
    {NumeralStyle::rounded, "rounded"},     {NumeralStyle::mono, "mono"},
    {NumeralStyle::serif, "serif"},         {NumeralStyle::dot, "dot"},
    {NumeralStyle::condensed, "condensed"}, {NumeralStyle::orbit, "orbit"},
    {NumeralStyle::hairline, "hairline"},   {NumeralStyle::typewriter, "typewriter"},
};

template <class Enum, std::size_t N>
std::string_view rawValueIn(RawValueTable<Enum, N> &table, Enum value) {
  auto found = std::find_if(std::begin(table), std::end(table),
                            [value](const auto &entry) { return entry.first == value; });
  return found == std::end(table) ? std::string_view{} : found->second;
}

template <class Enum, std::size_t N>
std::optional<Enum> caseIn(RawValueTable<Enum, N> &table, std::string_view raw) {
  auto found = std::find_if(std::begin(table), std::end(table),
                            [raw](const auto &entry) { return entry.second == raw; });
  if (found == std::end(table))
    return std::nullopt;
  return found->first;
}

// The accent's object must name exactly one case; keys that name none are ignored.
Accent decodeAccent(const Json &json) {
  const Json &object = kit::foundation::requireObject(json);
  std::optional<Accent::Kind> kind;
  const Json *payload = nullptr;
  int cases = 0;
  for (const auto &[key, value] : object.items()) {
    if (auto named = caseIn(accentKeys, key)) {
      kind = named;
      payload = &value;
      ++cases;
    }
  }
  if (cases != 1)
    throw DecodeError("Invalid number of keys found, expected one.");
  const Json &fields = kit::foundation::requireObject(*payload);
  if (*kind == Accent::Kind::custom)
    return Accent::custom(kit::foundation::requiredMember<std::string>(fields, "_0"));
  return Accent{*kind, {}};
}

Json encodeAccent(const Accent &accent) {
  Json fields = Json::object();
  if (accent.kind == Accent::Kind::custom)
    fields["_0"] = accent.customHex;
  return Json{{std::string(rawValueIn(accentKeys, accent.kind)), fields}};
}

template <class Enum, std::size_t N>
Enum decodeRawValue(RawValueTable<Enum, N> &table, const Json &json) {
  if (auto value = caseIn(table, kit::foundation::decodeJson<std::string>(json)))
    return *value;
  throw DecodeError("unknown raw value");
}

// One field of the theme, or its default when it is missing or has another form.
template <class Decode>
auto memberOr(const Json &object, std::string_view name, Decode decode,
              decltype(decode(Json{})) fallback) {
  auto found = object.find(std::string(name));
  if (found == object.end())
    return fallback;
  try {
    return decode(*found);
  } catch (const DecodeError &) {
    return fallback;
  } catch (const Json::exception &) {
    return fallback;
  }
}

} // namespace

std::string_view rawValue(Casing casing) { return rawValueIn(casingValues, casing); }
std::string_view rawValue(NumeralStyle style) { return rawValueIn(numeralValues, style); }

std::optional<Casing> casingFromRawValue(std::string_view raw) { return caseIn(casingValues, raw); }

std::optional<NumeralStyle> numeralStyleFromRawValue(std::string_view raw) {
  return caseIn(numeralValues, raw);
}

kit::ui::Color ThemeSettings::accentColor() const {
  switch (accent.kind) {
  case Accent::Kind::custom:
    return colorFromHexString(accent.customHex).value_or(ZavelTokens::signal);
  case Accent::Kind::ember:
    return ZavelTokens::ember;
  case Accent::Kind::teal:
    return ZavelTokens::teal;
  case Accent::Kind::gold:
    return ZavelTokens::gold;
  case Accent::Kind::signal:
    break;
  }
  return ZavelTokens::signal;
}

} // namespace zavel

namespace kit::foundation {

Json JsonCoder<zavel::ThemeSettings>::encode(const zavel::ThemeSettings &settings) {
  return Json{{"accent", zavel::encodeAccent(settings.accent)},
              {"casing", zavel::rawValue(settings.casing)},
              {"followSystemCasing", settings.followSystemCasing},
              {"numerals", zavel::rawValue(settings.numerals)}};
}

zavel::ThemeSettings JsonCoder<zavel::ThemeSettings>::decode(const Json &json) {
  using namespace zavel;
  const Json &object = requireObject(json);
  ThemeSettings defaults;
  return ThemeSettings{
      memberOr(object, "accent", decodeAccent, defaults.accent),
      memberOr(
          object, "casing", [](const Json &j) { return decodeRawValue(casingValues, j); },
          defaults.casing),
      memberOr(object, "followSystemCasing", decodeJson<bool>, defaults.followSystemCasing),
      memberOr(
          object, "numerals", [](const Json &j) { return decodeRawValue(numeralValues, j); },
          defaults.numerals),
  };
}

} // namespace kit::foundation
