#include "Shared/Views/FeaturedViews/NotesDeckView.h"

#include "Shared/Data/CycledIndex.h"
#include "Shared/Data/WidgetIntents/NoteDeckCycleIntent.h"
#include "Shared/Data/WidgetIntents/NoteDeckPinIntent.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Deck.h"
#include "Shared/Views/Glyphs/KeyGlyphs.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "kit/intents/AppIntent.h"
#include "kit/ui/UI.h"

#include <fmt/format.h>
#include <string_view>
#include <vector>

namespace zavel {
namespace {

using namespace kit::ui;
using kit::intents::intentReference;

// Lines past these are not shown.
constexpr std::size_t bodyLineCount = 4;

struct NoteLines {
  std::string title;
  std::vector<std::string> body;
};

// The pieces of `text` between line feeds, empty ones kept. A carriage return before a line
// feed makes one line end with it, which is not a line feed: no cut there.
std::vector<std::string> pieces(std::string_view text) {
  std::vector<std::string> pieces{""};
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && !(i > 0 && text[i - 1] == '\r'))
      pieces.emplace_back();
    else
      pieces.back() += text[i];
  }
  return pieces;
}

// The first line as it is; then the first lines after it that are not empty.
NoteLines noteLines(std::string_view text) {
  std::vector<std::string> lines = pieces(text);
  NoteLines note{lines.front(), {}};
  for (std::size_t i = 1; i < lines.size() && note.body.size() < bodyLineCount; ++i)
    if (!lines[i].empty())
      note.body.push_back(lines[i]);
  return note;
}

View cycleKey(int64_t step, const ZCtx &ctx) {
  NoteDeckCycleIntent intent;
  intent.step = step;
  return MediumDeckKey(intentReference(intent), ZavelTokens::keyInk,
                       ChevronGlyph(17 * ctx.u, step < 0), step < 0 ? "chevron.up" : "chevron.down",
                       ctx);
}

// The deck's place in the list, and PINNED when the note shown is pinned.
View header(const std::string &place, bool pinned, const ZCtx &ctx) {
  View pin =
      pinned ? MicroLabel("PINNED", 9, 0.14, ctx.accent, FontWeight::semibold, ctx) : EmptyView();
  return HStack(VAlign::center, 12 * ctx.u,
                {MicroLabel(place, 10, 0.16, ZavelTokens::screenText2, ctx), Spacer(), pin});
}

View title(const std::string &text, const ZCtx &ctx) {
  return Text(text).font(ctx.mono(17, FontWeight::semibold)).lineLimit(1);
}

// Up to four lines under the title, each cut to one line.
View bodyLines(const std::vector<std::string> &lines, const ZCtx &ctx) {
  return VStack(HAlign::leading, 7 * ctx.u,
                {ForEach(lines, [](const std::string &line) { return Text(line); })})
      .font(ctx.mono(11.5, FontWeight::regular))
      .lineSpacing(5.75 * ctx.u)
      .foreground(ZavelTokens::noteBody)
      .lineLimit(1);
}

} // namespace

View NotesDeckView::body() const {
  double u = ctx.u;
  auto count = static_cast<int64_t>(data.notes.size());
  int64_t position = shownIndex(data.index, count);
  const NoteItem *shown = count > 0 ? &data.notes[static_cast<std::size_t>(position)] : nullptr;
  NoteLines note = shown ? noteLines(shown->text) : NoteLines{"No notes yet", {}};
  std::string place = fmt::format("NOTES · {} OF {}", shown ? position + 1 : 0, count);
  View screen = VStack(HAlign::leading, 0,
                       {
                           header(place, shown && shown->pinned, ctx),
                           title(note.title, ctx).padding(Edge::top, 14 * u),
                           bodyLines(note.body, ctx).padding(Edge::top, 12 * u),
                           Spacer(0),
                       });
  return Deck(ctx, mediumDeck, screen, Group({cycleKey(-1, ctx), cycleKey(1, ctx)}),
              MediumDeckAccentKey(intentReference(NoteDeckPinIntent{}), AccentKeyWord("PIN", ctx),
                                  "PIN", ctx));
}

} // namespace zavel
