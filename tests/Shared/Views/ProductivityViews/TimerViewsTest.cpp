#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/ProductivityViews/FocusView.h"
#include "Shared/Views/ProductivityViews/StopwatchView.h"
#include "Shared/Views/ViewTesting.h"
#include "kit/foundation/Iso8601.h"

#include <optional>

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;
using kit::foundation::Date;
using Phase = FocusView::Phase;

const Date now = *kit::foundation::dateFromIso8601("2026-03-02T10:00:00Z");

// What a timer screen shows at a moment: its texts top to bottom, the lamp's colour and the
// intents of its keys.
struct Shown {
  std::vector<std::string> texts;
  Paint lamp;
  std::vector<std::string> keys;
  bool operator==(const Shown &) const = default;
  friend void PrintTo(const Shown &shown, std::ostream *out) {
    const Color *lamp = std::get_if<Color>(&shown.lamp);
    *out << ::testing::PrintToString(shown.texts) << " lamp " << (lamp ? lamp->hexString() : "?")
         << " keys " << ::testing::PrintToString(shown.keys);
  }
};

Shown shown(const View &view, Date at) {
  LaidOutTree tree = layReal(view, smallWidget, at);
  Shown result{tree.root.texts(), tree.root.findAll("Circle").back()->as<ShapeDraw>()->paint, {}};
  for (const LaidOutNode *key : tree.root.findAll("Button"))
    result.keys.push_back(key->as<ButtonTarget>()->intent.type);
  return result;
}

TEST(FocusView, PhaseTimeHintAndLampAllFollowTheMomentOfRendering) {
  ZCtx ctx = smallWidget.context();
  ctx.accent = ZavelTokens::gold;
  const Paint lit{ZavelTokens::gold}, off{ZavelTokens::barGray};
  struct Case {
    const char *name;
    std::optional<double> endFromNow = std::nullopt;
    int64_t minutes = 25;
    Phase phase = Phase::idle;
    std::string time;
    std::string hint;
    Paint lamp;
  };
  for (const Case &c : {
           Case{.name = "no session",
          .phase = Phase::idle,
          .time = "25:00",
          .hint = "TAP TIME TO START",
          .lamp = off},
           Case{.name = "an idle length is shown as it is",
           .minutes = 90,
           .time = "90:00",
           .hint = "TAP TIME TO START",
           .lamp = off},
           Case{.name = "over an hour left",
           .endFromNow = 3725,
           .phase = Phase::running,
           .time = "1:02:05",
           .hint = "RUNNING",
           .lamp = lit},
           Case{.name = "a fraction of a second left",
           .endFromNow = 0.25,
           .phase = Phase::running,
           .time = "0:01",
           .hint = "RUNNING",
           .lamp = lit},
           Case{.name = "at the end",
           .endFromNow = 0,
           .phase = Phase::done,
           .time = "0:00",
           .hint = "DONE — TAKE 5",
           .lamp = off},
           Case{.name = "899 s after the end",
           .endFromNow = -899,
           .phase = Phase::done,
           .time = "0:00",
           .hint = "DONE — TAKE 5",
           .lamp = off},
           Case{.name = "900 s after the end",
           .endFromNow = -900,
           .phase = Phase::idle,
           .time = "25:00",
           .hint = "TAP TIME TO START",
           .lamp = off},
       }) {
    std::optional<Date> end;
    if (c.endFromNow)
      end = now.addingTimeInterval(*c.endFromNow);
    FocusView view{{end, c.minutes}, ctx};
    EXPECT_EQ(view.phase(now), c.phase) << c.name;
    EXPECT_EQ(shown(view.body(), now), (Shown{{"FOCUS", c.time, c.hint, "RESET"},
                                              c.lamp,
                                              {"FocusToggleIntent", "FocusResetIntent"}}))
        << c.name;
  }
}

TEST(FocusView, ARunningSessionDrawnAtOrAfterItsEndReadsDoneNeverANegativeTime) {
  FocusView view{{now, 25}, smallWidget.context()};
  for (double after : {0.0, 0.001, 61.0}) {
    std::vector<std::string> texts =
        layReal(view.body(), smallWidget, now.addingTimeInterval(after)).root.texts();
    EXPECT_EQ(texts, (std::vector<std::string>{"FOCUS", "0:00", "DONE — TAKE 5", "RESET"}))
        << after;
  }
}

TEST(StopwatchView, CountsUpFromItsStartInTealWithTheLampLitWhileRunning) {
  const Paint teal{ZavelTokens::dataTeal};
  struct Case {
    const char *name;
    StopwatchState state;
    std::string time;
    std::string hint;
    Paint lamp;
  };
  for (const Case &c : {
           Case{.name = "stopped",
          .state = {},
          .time = "0:00",
          .hint = "TAP TIME TO START",
          .lamp = Paint{ZavelTokens::barGray}},
           Case{.name = "running with laps",
           .state = {now.addingTimeInterval(-3723.9), {61.1, 133.4}},
           .time = "1:02:03",
           .hint = "TAP TIME FOR LAP",
           .lamp = teal},
       }) {
    View view = StopwatchView{c.state, smallWidget.context()}.body();
    EXPECT_EQ(shown(view, now), (Shown{{"STOPWATCH", c.time, c.hint, "RESET"},
                                       c.lamp,
                                       {"StopwatchToggleIntent", "StopwatchResetIntent"}}))
        << c.name;
    EXPECT_EQ(run(textNode(layReal(view, smallWidget, now), c.time)).paint, teal) << c.name;
  }
}

} // namespace
} // namespace zavel
