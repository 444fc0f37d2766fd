#include "Shared/Theme/ThemeSettings.h"

#include "Shared/Theme/DesignTokens.h"

#include <gtest/gtest.h>

using kit::foundation::decodeJsonData;
using kit::foundation::encodeJson;
using kit::foundation::Json;
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
  const struct {
    const char *json;
    ThemeSettings expected;
  } cases[] = {
      {R"({"accent":{"custom":{"_0":"#1CAEC2"}},"casing":"cream","followSystemCasing":false,
           "numerals":"dot"})",
       theme(Accent::custom("#1CAEC2"), Casing::cream, false, NumeralStyle::dot)},
      {R"({"accent":{"gold":{}},"casing":"graphite","followSystemCasing":true,
           "numerals":"typewriter"})",
       theme({Accent::Kind::gold, {}}, Casing::graphite, true, NumeralStyle::typewriter)},
      {R"({"casing":"cream"})", theme(signal, Casing::cream)},
      {R"({})", ThemeSettings{}},
      {R"({"accent":{"violet":{}},"casing":"beige","followSystemCasing":"true",
           "numerals":"gothic"})",
       ThemeSettings{}},
      {R"({"accent":null,"casing":null,"followSystemCasing":null,"numerals":null})",
       ThemeSettings{}},
      // Raw values match exactly; a boolean is only true or false.
      {R"({"casing":"Cream","followSystemCasing":1,"numerals":"Dot"})", ThemeSettings{}},
      {R"({"accent":{"violet":{}},"numerals":"orbit"})",
       theme(signal, Casing::graphite, false, NumeralStyle::orbit)},
      {R"({"accent":{"teal":{}},"unknown":[1,2],"followSystemCasing":true})",
       theme(teal, Casing::graphite, true)},
  };
  for (const auto &c : cases)
    EXPECT_EQ(decodeJsonData<ThemeSettings>(c.json), c.expected) << c.json;
}

TEST(ThemeSettings, AccentNamesExactlyOneCaseHoldingAnObject) {
  const struct {
    const char *accent;
    Accent expected;
  } cases[] = {
      {R"({"teal":{}})", teal},
      {R"({"teal":{"ignored":1}})", teal},
      {R"({"teal":{},"violet":1,"x":null})", teal},
      {R"({"custom":{"_0":"#fff000","_1":2}})", Accent::custom("#fff000")},
      {R"({"custom":{"_0":"not a colour"}})", Accent::custom("not a colour")},
      // Two case keys: neither wins.
      {R"({"gold":{},"teal":{}})", signal},
      {R"({"signal":{},"gold":{}})", signal},
      {R"({})", signal},
      {R"({"teal":true})", signal},
      {R"({"teal":null})", signal},
      {R"({"teal":[]})", signal},
      {R"({"custom":{}})", signal},
      {R"({"custom":{"_0":5}})", signal},
      {R"({"custom":{"_0":null}})", signal},
      {R"({"custom":"#1CAEC2"})", signal},
      {R"("teal")", signal},
      {R"(["teal"])", signal},
  };
  for (const auto &c : cases) {
    std::string json = std::string(R"({"numerals":"serif","accent":)") + c.accent + "}";
    EXPECT_EQ(decodeJsonData<ThemeSettings>(json),
              theme(c.expected, Casing::graphite, false, NumeralStyle::serif))
        << c.accent;
  }
}

TEST(ThemeSettings, ARecordThatIsNoObjectIsUnreadable) {
  for (const char *json : {R"([])", R"(["teal"])", R"("cream")", R"(42)", R"(null)", "cream", ""})
    EXPECT_EQ(decodeJsonData<ThemeSettings>(json), std::nullopt) << json;
}

TEST(ThemeSettings, WritesTheFormTheHostApplicationReads) {
  EXPECT_EQ(encodeJson(theme(Accent::custom("#1CAEC2"), Casing::cream, true, NumeralStyle::orbit)),
            Json::parse(R"({"accent":{"custom":{"_0":"#1CAEC2"}},"casing":"cream",
                            "followSystemCasing":true,"numerals":"orbit"})"));
  EXPECT_EQ(encodeJson(ThemeSettings{}), Json::parse(R"({"accent":{"signal":{}},"casing":"graphite",
                            "followSystemCasing":false,"numerals":"firmware"})"));
}

TEST(ThemeSettings, EveryValueReadsBackAsWritten) {
  std::vector<Accent> accents{
      Accent::custom("#E9B44C"), signal, {Accent::Kind::ember, {}}, teal, {Accent::Kind::gold, {}}};
  for (const auto &accent : accents)
    for (Casing casing : ThemeSettings::allCasings)
      for (NumeralStyle numerals : ThemeSettings::allNumeralStyles) {
        ThemeSettings settings = theme(accent, casing, casing == Casing::cream, numerals);
        EXPECT_EQ(decodeJsonData<ThemeSettings>(encodeJson(settings).dump()), settings)
            << encodeJson(settings).dump();
      }
}

TEST(ThemeSettings, RawValuesMatchOnlyExactly) {
  EXPECT_EQ(zavel::casingFromRawValue("cream"), Casing::cream);
  EXPECT_EQ(zavel::casingFromRawValue("graphite"), Casing::graphite);
  EXPECT_EQ(zavel::numeralStyleFromRawValue("featherweight"), NumeralStyle::featherweight);
  for (const char *raw : {"Cream", "cream ", "", "CREAM"})
    EXPECT_EQ(zavel::casingFromRawValue(raw), std::nullopt) << raw;
  for (const char *raw : {"Firmware", "dots", "", "firmware\n"})
    EXPECT_EQ(zavel::numeralStyleFromRawValue(raw), std::nullopt) << raw;
  EXPECT_EQ(ThemeSettings::allNumeralStyles.size(), 10u);
  for (NumeralStyle style : ThemeSettings::allNumeralStyles)
    EXPECT_EQ(zavel::numeralStyleFromRawValue(zavel::rawValue(style)), style);
}

TEST(ThemeSettings, CustomAccentsAreEqualByTheirText) {
  EXPECT_EQ(Accent::custom("#1CAEC2"), Accent::custom("#1CAEC2"));
  EXPECT_NE(Accent::custom("#1CAEC2"), Accent::custom("#1caec2"));
  EXPECT_NE(Accent::custom("#1CAEC2"), teal);
  EXPECT_EQ(teal, (Accent{Accent::Kind::teal, "ignored"}));
}

TEST(ThemeSettings, AccentColourIsTheTokenOrTheParsedCustomColour) {
  namespace tokens = zavel::ZavelTokens;
  const struct {
    Accent accent;
    kit::ui::Color color;
  } cases[] = {
      {signal, tokens::signal},
      {{Accent::Kind::ember, {}}, tokens::ember},
      {teal, tokens::teal},
      {{Accent::Kind::gold, {}}, tokens::gold},
      {Accent::custom(" #1caec2 "), kit::ui::Color::rgb8(0x1C, 0xAE, 0xC2)},
      {Accent::custom("#1CAEC280"), kit::ui::Color::rgb8(0x1C, 0xAE, 0xC2, 128 / 255.0)},
      {Accent::custom("#1CAEC"), tokens::signal},
      {Accent::custom(""), tokens::signal},
  };
  for (const auto &c : cases)
    EXPECT_EQ(theme(c.accent).accentColor(), c.color) << c.accent.customHex;
}

} // namespace
