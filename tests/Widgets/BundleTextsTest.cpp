#include "Widgets/ZavelWidgetsBundle.h"

#include "Shared/Data/SharedSuite.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Theme/ThemeStore.h"
#include "Shared/Theme/ZavelFonts.h"
#include "Widgets/StressEntries.h"
#include "Widgets/WholeTexts.h"
#include "kit/foundation/Clock.h"
#include "kit/ui/Layout.h"
#include "kit/ui/text/TextEngine.h"
#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <fmt/format.h>
#include <fmt/ranges.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zavel {
namespace {

using kit::foundation::Date;
using kit::ui::ColorScheme;
using kit::widgets::AnyWidget;

ZavelSize sizeClass(kit::widgets::WidgetFamily family) {
  switch (family) {
  case kit::widgets::WidgetFamily::systemMedium:
    return ZavelSize::m;
  case kit::widgets::WidgetFamily::systemLarge:
    return ZavelSize::l;
  default:
    return ZavelSize::s;
  }
}

// One face of a widget to check: what it shows, at which moment it is drawn, and the texts it
// must show whole.
struct Face {
  std::string data;
  kit::ui::View view;
  Date at;
  std::vector<std::string> readsWhole = {};
};

// The gallery's sample (drawn now, the moment its timers and clocks were set from), then each
// stress entry (drawn at the stress moment).
std::vector<Face> facesOf(const AnyWidget &widget, CasingOption casing,
                          const std::vector<testing::StressCase> &stress, Date stressMoment) {
  kit::foundation::Json configuration{
      {"casing", casing == CasingOption::cream ? "cream" : "graphite"}};
  std::vector<Face> faces{
      {"sample",
       widget.configure(configuration)
           .snapshot(kit::widgets::TimelineContext::of(widget.info().family, true))
           .view(),
       kit::foundation::systemNow()}};
  for (std::size_t i = 0; i < stress.size(); ++i)
    faces.push_back({"stress " + std::to_string(i + 1), stress[i].face(casing), stressMoment,
                     stress[i].readsWhole});
  return faces;
}

std::vector<std::string> faultsOf(const AnyWidget &widget, const Face &face, bool cream,
                                  ColorScheme scheme, const kit::ui::Color &accent) {
  kit::widgets::WidgetFamily family = widget.info().family;
  kit::ui::LaidOutTree tree = kit::ui::layOut(
      face.view, kit::widgets::displaySize(family),
      {kit::ui::defaultTextEngine(), face.at, kit::ui::WidgetRenderingMode::fullColor, scheme});
  std::vector<std::string> faults = testing::textFaults(tree, sizeClass(family), cream, accent);
  for (const std::string &cut : testing::cutStrings(tree, face.readsWhole))
    faults.push_back(cut);
  return faults;
}

// The theme's accent, as the host application stores it.
struct Accent {
  const char *name;
  const char *record;
  kit::ui::Color color;
};

// Every widget of the bundle, drawn from its gallery sample and from data that pushes its texts to
// their longest (long titles, four-character temperatures, hour-long tracks, six-digit counts,
// ten-hour days, emoji in what users write), in both casings and both colour schemes, with the
// default accent and with one too light for white text, with the shipped fonts.
TEST(ZavelWidgetsBundle, EveryTextIsWholeAndEveryInkReadsInEitherCasingSchemeAndAccent) {
  zavel::test::TempHome home;
  zavel::test::ScopedLocaleAndZone locale{"en_US", "America/New_York"};
  ZavelFonts::registerFonts();
  const Date moment = testing::stressMoment();
  const std::map<std::string, std::vector<testing::StressCase>> stress =
      testing::stressCases(moment);
  kit::widgets::WidgetBundle bundle = makeWidgetsBundle();
  const Accent accents[] = {{"signal", R"({"accent":{"signal":{}}})", ZavelTokens::signal},
                            {"gold", R"({"accent":{"gold":{}}})", ZavelTokens::gold}};
  for (const Accent &accent : accents) {
    ASSERT_TRUE(SharedSuite::open().set(ThemeStore::key, kit::foundation::Data{accent.record}));
    for (const AnyWidget &widget : bundle.widgets()) {
      auto stressed = stress.find(widget.kind());
      ASSERT_NE(stressed, stress.end()) << widget.kind() << " has no stress data";
      for (CasingOption casing : {CasingOption::graphite, CasingOption::cream})
        for (const Face &face : facesOf(widget, casing, stressed->second, moment))
          for (ColorScheme scheme : {ColorScheme::light, ColorScheme::dark}) {
            bool cream = casing == CasingOption::cream;
            std::vector<std::string> faults = faultsOf(widget, face, cream, scheme, accent.color);
            EXPECT_TRUE(faults.empty())
                << widget.kind() << " " << face.data << (cream ? " cream" : " graphite")
                << (scheme == ColorScheme::light ? " light " : " dark ") << accent.name << ":\n  "
                << fmt::format("{}", fmt::join(faults, "\n  "));
          }
    }
  }
}

} // namespace
} // namespace zavel
