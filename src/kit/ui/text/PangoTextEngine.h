#pragma once

#include "kit/ui/text/TextEngine.h"

#include <memory>
#include <string>
#include <vector>

namespace kit::ui {

// A stretch of laid-out text drawn in one face (what a check of the actual faces reads).
struct FaceRun {
  std::string text;
  std::string faceName; // the face's PostScript name
  bool operator==(const FaceRun &) const = default;
};

// The text engine on Pango, fontconfig and the registered fonts: 72 dpi (a point is a unit),
// grey antialiasing and unhinted metrics, so a text lays out alike at every drawing scale. Safe
// to call from several threads; texts laid out recently are kept for the next call.
class PangoTextEngine final : public TextEngine {
public:
  PangoTextEngine();
  ~PangoTextEngine() override;
  PangoTextEngine(const PangoTextEngine &) = delete;
  PangoTextEngine &operator=(const PangoTextEngine &) = delete;

  TextMetrics measure(std::string_view text, const TextStyle &style,
                      ProposedSize proposal) const override;
  void draw(cairo_t *cr, std::string_view text, const TextStyle &style,
            const Rect &frame) const override;
  std::string resolvedFaceName(const Font &font) const override;
  FontWeight resolvedWeight(const Font &font) const override;

  // The runs of the text as laid out for the proposal (after any truncation), line by line.
  std::vector<FaceRun> runs(std::string_view text, const TextStyle &style,
                            ProposedSize proposal) const;

private:
  struct State;
  std::unique_ptr<State> state_;
};

} // namespace kit::ui
