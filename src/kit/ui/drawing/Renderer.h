#pragma once

#include "kit/ui/LaidOutTree.h"
#include "kit/ui/drawing/StaticLayerCache.h"

#include <memory>

#include <cairo.h>

namespace kit::ui::drawing {

// Which parts a drawing pass shows: all, all but the accentable parts, or only those.
enum class AccentPass { all, withoutAccentable, onlyAccentable };

// Draws laid-out nodes onto a Cairo context whose user space is the widget's points.
class Renderer {
public:
  Renderer(cairo_t *cr, const TextEngine *textEngine, ColorScheme scheme,
           AccentPass pass = AccentPass::all)
      : cr_(cr), textEngine_(textEngine), scheme_(scheme), pass_(pass) {}

  void draw(const LaidOutNode &node, bool accentable = false);

private:
  Renderer on(cairo_t *cr) const { return Renderer(cr, textEngine_, scheme_, pass_); }
  bool shows(bool accentable) const;
  void drawOwn(const LaidOutNode &node);
  void drawShape(const ShapeDraw &shape, const Rect &bounds);
  void drawText(const TextRun &run, const Rect &frame);
  void drawChildren(const LaidOutNode &node, bool accentable);
  void drawEffect(const LaidOutNode &node, bool accentable);
  void drawInGroup(const LaidOutNode &node, bool accentable, double opacity);
  void drawShadowed(const LaidOutNode &node, const ShadowEffect &shadow, bool accentable);
  void drawBlurred(const LaidOutNode &node, const BlurEffect &blur, bool accentable);
  void drawStatic(const LaidOutNode &node, const StaticLayer &layer);
  std::shared_ptr<const StaticLayerCache::Entry> rasterize(const LaidOutNode &node,
                                                           cairo_matrix_t fromBase) const;

  cairo_t *cr_;
  const TextEngine *textEngine_;
  ColorScheme scheme_;
  AccentPass pass_;
};

} // namespace kit::ui::drawing
