#include "Shared/Theme/ThemeSettings.h"

#include "Shared/Theme/DesignTokens.h"

#include <gtest/gtest.h>

using kit::foundation::decodeJsonData;
using kit::foundation::encodeJson;
using zavel::ThemeSettings;
using Accent = ThemeSettings::Accent;
using Casing = ThemeSettings::Casing;
using NumeralStyle = ThemeSettings::NumeralStyle;

namespace {

ThemeSettings theme(Accent accent, Casing casing = Casing::graphite, bool follow = false,
                    NumeralStyle numerals = NumeralStyle::firmware) {
  return {std::move(accent), casing, follow, numerals};
}

const Accent signal{Accent::Kind::signal, {}};
const Accent teal{Accent::Kind::teal, {}};

TEST(ThemeSettings, ReadsEachFieldOnItsOwnWithADefaultForEach) {
  const std::pair<const char *, ThemeSettings> cases[] = {
      {R"({"accent":{"violet":{}},"numerals":"orbit"})",
       theme(signal, Casing::graphite, false, NumeralStyle::orbit)},
      {R"({"unknown":[1,2],"followSystemCasing":true})", theme(signal, Casing::graphite, true)},
      {R"({"accent":null,"casing":null,"followSystemCasing":null,"numerals":null})", {}},
      // Raw values match exactly; a boolean is only true or false.
      {R"({"casing":"Cream","followSystemCasing":1,"numerals":"Dot"})", {}},
      // The accent names exactly one case, which holds an object.
      {R"({"accent":{"teal":{"ignored":1},"violet":1},"casing":"cream"})",
       theme(teal, Casing::cream)},
      {R"({"accent":{"custom":{"_0":"not a colour","_1":2}}})",
       theme(Accent::custom("not a colour"))},
      {R"({"accent":{"gold":{},"teal":{}}})", {}},
      {R"({"accent":{"teal":true}})", {}},
      {R"({"accent":{"custom":{"_0":5}}})", {}},
      {R"({"accent":"teal"})", {}},
  };
  for (const auto &[json, expected] : cases)
    EXPECT_EQ(decodeJsonData<ThemeSettings>(json), expected) << json;
}

TEST(ThemeSettings, WritesTheFormTheHostApplicationReadsAndReadsItBack) {
  EXPECT_EQ(encodeJson(theme(Accent::custom("#1CAEC2"), Casing::cream, true, NumeralStyle::orbit)),
            kit::foundation::Json::parse(R"({"accent":{"custom":{"_0":"#1CAEC2"}},
                "casing":"cream","followSystemCasing":true,"numerals":"orbit"})"));
  for (const Accent &accent : {Accent::custom("#E9B44C"), teal})
    for (NumeralStyle numerals : ThemeSettings::allNumeralStyles) {
      ThemeSettings settings = theme(accent, Casing::cream, accent == teal, numerals);
      EXPECT_EQ(decodeJsonData<ThemeSettings>(encodeJson(settings).dump()), settings)
          << encodeJson(settings).dump();
    }
  EXPECT_NE(Accent::custom("#1CAEC2"), Accent::custom("#1caec2"));
}

TEST(ThemeSettings, AccentColourIsTheTokenOrTheParsedCustomColourOrElseSignal) {
  EXPECT_EQ(theme(teal).accentColor(), zavel::ZavelTokens::teal);
  EXPECT_EQ(theme(Accent::custom("#1caec2")).accentColor(), kit::ui::Color::rgb8(0x1C, 0xAE, 0xC2));
  EXPECT_EQ(theme(Accent::custom("#1CAEC")).accentColor(), zavel::ZavelTokens::signal);
}

} // namespace
