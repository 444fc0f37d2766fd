#include "Shared/Views/AgendaViews/RemindersNextUpView.h"

#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/DeviceScreen.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/Hardware/NumeralFit.h"
#include "Shared/Views/Hardware/ZRing.h"
#include "Shared/Views/ViewRanges.h"
#include "kit/foundation/TextOperations.h"
#include "kit/ui/UI.h"

#include <algorithm>
#include <string>
#include <vector>

namespace zavel {
namespace {

using namespace kit::ui;

// The ring fills over the last hour; with no countdown it rests at a fixed share.
double ringProgress(const std::optional<int64_t> &minutes) {
  if (!minutes)
    return 0.62;
  return std::max(std::min(static_cast<double>(*minutes) / 60, 1.0), 0.04);
}

std::string numeral(const std::optional<int64_t> &minutes) {
  return minutes ? std::to_string(std::min<int64_t>(*minutes, 999)) : "—";
}

std::vector<std::string> words(const std::string &title) { return nonEmptyPieces(title, ' '); }

// A word that tells the reminder apart: the first capitalised one after the first word (a
// name, most often), else the first word.
std::string keyWord(const std::string &title) {
  std::vector<std::string> all = words(title);
  if (all.empty())
    return "";
  auto named = std::find_if(all.begin() + 1, all.end(), [](const std::string &word) {
    return kit::foundation::isUppercase(word);
  });
  return named != all.end() ? *named : all.front();
}

// The room under the numeral inside the ring: its inner edge (70 units from the centre) leaves
// about 108 units at the subtitle's foot. A longer subtitle shrinks to 0.7, then is cut.
constexpr double subtitleWidth = 104;
constexpr double subtitleLeastScale = 0.7;

std::string subtitle(const std::optional<ReminderItem> &nextUp) {
  if (!nextUp)
    return "ALL CLEAR";
  return "MIN — " + kit::foundation::prefixCharacters(keyWord(nextUp->title), 8);
}

// What the ring holds: the minutes to the next reminder between their captions.
View readings(const RemindersSnapshot &data, const ZCtx &ctx) {
  return VStack(
      HAlign::center, 4 * ctx.u,
      {
          MicroLabel("NEXT UP", 8, 0.18, ZavelTokens::screenText3, ctx),
          numeralFit(Text(numeral(data.minutesToNext)).font(ctx.mono(42, FontWeight::bold))),
          MicroLabel(subtitle(data.nextUp), 8, 0.16, ZavelTokens::screenText3, ctx)
              .minimumScaleFactor(subtitleLeastScale)
              .frame({.maxWidth = subtitleWidth * ctx.u}),
      });
}

} // namespace

View RemindersNextUpView::body() const {
  double u = ctx.u;
  RingStyle ring{
      .diameter = 148, .stroke = 8, .color = ctx.accent, .track = ZavelTokens::trackFine};
  View dial = ZStack({
      ZRing(ringProgress(data.minutesToNext), ring, ctx),
      readings(data, ctx),
  });
  return DeviceScreen(ctx, dial.frame(170 * u, 170 * u));
}

} // namespace zavel
