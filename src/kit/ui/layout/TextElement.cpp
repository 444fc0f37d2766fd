#include "kit/ui/layout/TextElement.h"

#include "kit/ui/text/TextEngine.h"

#include <cmath>

namespace kit::ui::layout {
namespace {

class TextElement final : public Element {
public:
  TextElement(std::string text, TextStyle style, Paint paint, TextRole role,
              const TextEngine &engine)
      : text_(std::move(text)), style_(std::move(style)), paint_(std::move(paint)), role_(role),
        engine_(engine) {}

  std::optional<double> firstBaseline(ProposedSize p) override { return metrics(p).firstBaseline; }
  std::optional<double> lastBaseline(ProposedSize p) override { return metrics(p).lastBaseline; }

protected:
  Size measure(ProposedSize p) override { return metrics(p).size; }

  // Drawn as the engine sets it for the frame's size, which is how the renderer draws it.
  LaidOutNode layout(const Rect &frame, ProposedSize) override {
    const TextMetrics &drawn = metrics(ProposedSize::of(frame.size));
    return {"Text",
            frame,
            TextRun{.text = text_,
                    .style = style_,
                    .paint = paint_,
                    .faceWeight = engine_.resolvedWeight(style_.font),
                    .role = role_,
                    .lineCount = drawn.lineCount,
                    .scale = drawn.scale,
                    .truncated = drawn.truncated},
            {}};
  }

private:
  // The engine reads an unspecified axis as "ideal", which is what an infinite one means too.
  static ProposedSize forEngine(ProposedSize p) {
    auto finite = [](std::optional<double> v) { return v && std::isinf(*v) ? std::nullopt : v; };
    return {finite(p.width), finite(p.height)};
  }

  const TextMetrics &metrics(ProposedSize p) {
    p = forEngine(sanitized(p));
    for (const auto &[asked, answer] : cache_) {
      if (asked == p)
        return answer;
    }
    cache_.emplace_back(p, engine_.measure(text_, style_, p));
    return cache_.back().second;
  }

  std::string text_;
  TextStyle style_;
  Paint paint_;
  TextRole role_;
  const TextEngine &engine_;
  std::vector<std::pair<ProposedSize, TextMetrics>> cache_;
};

} // namespace

ElementPtr makeText(std::string text, TextStyle style, Paint paint, TextRole role,
                    const TextEngine &engine) {
  return std::make_unique<TextElement>(std::move(text), std::move(style), std::move(paint), role,
                                       engine);
}

} // namespace kit::ui::layout
