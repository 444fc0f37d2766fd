#pragma once

#include "kit/foundation/JsonCoding.h"
#include "kit/ui/Color.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zavel {

// The appearance chosen in the host application: accent, casing, whether the casing follows the
// system's light or dark mode, and the style of large numerals.
struct ThemeSettings {
  // signal, ember, teal, gold, or a custom colour written as hex text.
  struct Accent {
    enum class Kind { custom, signal, ember, teal, gold };
    Kind kind = Kind::signal;
    std::string customHex; // the text of a custom accent; unused by the others

    static Accent custom(std::string hex) { return {Kind::custom, std::move(hex)}; }
    // Custom accents are equal when their texts are; the named ones by kind alone.
    bool operator==(const Accent &other) const {
      return kind == other.kind && (kind != Kind::custom || customHex == other.customHex);
    }
  };

  enum class Casing { graphite, cream };
  static constexpr std::array allCasings{Casing::graphite, Casing::cream};

  enum class NumeralStyle {
    firmware,
    featherweight,
    rounded,
    mono,
    serif,
    dot,
    condensed,
    orbit,
    hairline,
    typewriter,
  };
  static constexpr std::array allNumeralStyles{NumeralStyle::firmware,  NumeralStyle::featherweight,
                                               NumeralStyle::rounded,   NumeralStyle::mono,
                                               NumeralStyle::serif,     NumeralStyle::dot,
                                               NumeralStyle::condensed, NumeralStyle::orbit,
                                               NumeralStyle::hairline,  NumeralStyle::typewriter};

  Accent accent;
  Casing casing = Casing::graphite;
  bool followSystemCasing = false;
  NumeralStyle numerals = NumeralStyle::firmware;

  // The accent's token, or the custom colour; a custom text that is no colour gives `signal`.
  kit::ui::Color accentColor() const;

  bool operator==(const ThemeSettings &) const = default;
};

std::string_view rawValue(ThemeSettings::Casing casing);
std::string_view rawValue(ThemeSettings::NumeralStyle style);
// Exact raw values only; anything else gives none.
std::optional<ThemeSettings::Casing> casingFromRawValue(std::string_view raw);
std::optional<ThemeSettings::NumeralStyle> numeralStyleFromRawValue(std::string_view raw);

} // namespace zavel

// The stored form: {"accent": {"teal": {}} or {"custom": {"_0": "#1CAEC2"}}, "casing": "cream",
// "followSystemCasing": false, "numerals": "dot"}. Reading rejects only data whose top level is not
// an object; every field that is missing or unreadable takes its own default.
template <> struct kit::foundation::JsonCoder<zavel::ThemeSettings> {
  static Json encode(const zavel::ThemeSettings &settings);
  static zavel::ThemeSettings decode(const Json &json);
};
