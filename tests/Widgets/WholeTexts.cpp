#include "Widgets/WholeTexts.h"

#include "Shared/Theme/CasingInks.h"
#include "Shared/Theme/ColorContrast.h"
#include "Shared/Theme/DesignTokens.h"
#include "kit/ui/text/TextEngine.h"

#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace zavel::testing {
namespace {

using namespace kit::ui;

// Frames are laid out in thousandths of a point; a text may touch its edge.
constexpr double tolerance = 0.5;

struct DrawnText {
  const LaidOutNode *node;
  const TextRun *run;
  double opacity;
  std::size_t order; // in drawing order among texts, marks and surfaces
};

struct DrawnMark {
  Rect bounds;
  Color color;
  double opacity;
  std::string shape;
  std::size_t order;
};

// What texts and glyphs are drawn on, beside screens and the casing: a fill in the accent colour,
// the accent key's cap (a gradient that ends in it) and the light key's cap.
struct Ground {
  Rect bounds;
  Paint paint;
  std::size_t order;
};

// The line of a stroked circle: its centre and the radii of its two edges.
struct Ring {
  Point centre;
  double inner = 0, outer = 0;
};

// What a widget draws, in drawing order: its texts, its solid marks and the surfaces (screens and
// key faces, filled with gradients) that texts and marks may lie on.
struct Drawing {
  std::vector<DrawnText> texts;
  std::vector<DrawnMark> marks;
  std::vector<Rect> screens;
  std::vector<Rect> keyFaces;
  std::vector<Ring> rings;
  std::vector<Rect> capsules;
  std::vector<Ground> grounds;
  Color accent;
  std::size_t drawn = 0;
};

Color lastStop(const Gradient &gradient) {
  return gradient.stops.empty() ? Color::clear : gradient.stops.back().color;
}

bool isGround(const Paint &paint, const Color &accent) {
  if (const Color *color = std::get_if<Color>(&paint))
    return *color == accent;
  if (const auto *g = std::get_if<LinearGradient>(&paint))
    return lastStop(g->gradient) == accent ||
           (!g->gradient.stops.empty() && g->gradient.stops.front().color == ZavelTokens::keyFaceA);
  return false;
}

bool isScreen(const Paint &paint) {
  auto firstStop = [](const Gradient &gradient) {
    return gradient.stops.empty() ? Color::clear : gradient.stops.front().color;
  };
  if (const auto *g = std::get_if<LinearGradient>(&paint))
    return firstStop(g->gradient) == ZavelTokens::screenTop;
  if (const auto *g = std::get_if<RadialGradient>(&paint))
    return firstStop(g->gradient) == ZavelTokens::screenTop;
  if (const auto *g = std::get_if<EllipticalGradient>(&paint))
    return firstStop(g->gradient) == ZavelTokens::screenTop;
  return false;
}

Rect boundsOf(const ShapeDraw &shape) {
  Rect bounds = shape.path.boundingRect();
  double half = shape.stroke ? shape.stroke->lineWidth / 2 : 0;
  return bounds.insetBy(-half, -half);
}

// One sub-path that ends where it began: a whole circle, not an arc trimmed from one (a quarter
// arc's box is square too, and would pass for a smaller circle).
bool isWholeLoop(const Path &path) {
  std::vector<Path::Polyline> lines = path.flattened();
  if (lines.size() != 1 || lines.front().points.size() < 3)
    return false;
  const std::vector<Point> &points = lines.front().points;
  return lines.front().closed ||
         std::hypot(points.front().x - points.back().x, points.front().y - points.back().y) < 0.01;
}

void collectShape(const ShapeDraw &shape, double opacity, Drawing &drawing) {
  // A whole stroked circle; a trimmed arc lies on its track's circle.
  Rect path = shape.path.boundingRect();
  if (shape.shape == "Circle" && shape.stroke && isWholeLoop(shape.path) &&
      std::abs(path.size.width - path.size.height) < 0.01) {
    double radius = path.size.width / 2, half = shape.stroke->lineWidth / 2;
    drawing.rings.push_back({{path.midX(), path.midY()}, radius - half, radius + half});
  }
  if (shape.shape == "Capsule" && !shape.stroke)
    drawing.capsules.push_back(shape.path.boundingRect());
  std::size_t order = drawing.drawn++;
  if (!shape.stroke && isGround(shape.paint, drawing.accent))
    drawing.grounds.push_back({boundsOf(shape), shape.paint, order});
  if (const Color *color = std::get_if<Color>(&shape.paint)) {
    drawing.marks.push_back({boundsOf(shape), *color, opacity, shape.shape, order});
    return;
  }
  if (std::holds_alternative<Material>(shape.paint) || shape.stroke)
    return;
  (isScreen(shape.paint) ? drawing.screens : drawing.keyFaces).push_back(boundsOf(shape));
}

void collect(const LaidOutNode &node, double opacity, Drawing &drawing) {
  if (const auto *effect = node.as<OpacityEffect>())
    opacity *= effect->opacity;
  if (const auto *run = node.as<TextRun>())
    drawing.texts.push_back({&node, run, opacity, drawing.drawn++});
  if (const auto *shape = node.as<ShapeDraw>())
    collectShape(*shape, opacity, drawing);
  if (const auto *canvas = node.as<CanvasDrawing>())
    for (const ShapeDraw &operation : canvas->operations)
      collectShape(operation, opacity, drawing);
  for (const LaidOutNode &child : node.children)
    collect(child, opacity, drawing);
}

bool intersects(const Rect &a, const Rect &b) {
  return a.minX() < b.maxX() - tolerance && b.minX() < a.maxX() - tolerance &&
         a.minY() < b.maxY() - tolerance && b.minY() < a.maxY() - tolerance;
}

bool inside(const Rect &inner, const Rect &outer) {
  return inner.minX() >= outer.minX() - tolerance && inner.maxX() <= outer.maxX() + tolerance &&
         inner.minY() >= outer.minY() - tolerance && inner.maxY() <= outer.maxY() + tolerance;
}

std::optional<Rect> overlapping(const Rect &frame, const std::vector<Rect> &surfaces) {
  for (const Rect &surface : surfaces)
    if (intersects(frame, surface))
      return surface;
  return std::nullopt;
}

Color blend(const Color &top, double alpha, const Color &bottom) {
  auto mix = [alpha](double a, double b) { return alpha * a + (1 - alpha) * b; };
  return Color::rgb(mix(top.red, bottom.red), mix(top.green, bottom.green),
                    mix(top.blue, bottom.blue));
}

// The casing's gradient runs between two unit points of the widget, as the casing draws it.
class CasingBeneath {
public:
  CasingBeneath(Size widget, bool cream)
      : widget_(widget), start_(cream ? ZavelTokens::creamA : ZavelTokens::graphiteA),
        end_(cream ? ZavelTokens::creamB : ZavelTokens::graphiteB) {}

  // The least contrast of an ink against the casing under a rectangle (its corners and centre).
  double worstContrast(const Rect &bounds, const Color &ink, double opacity) const {
    double worst = 21;
    for (Point p :
         {bounds.origin, Point{bounds.maxX(), bounds.minY()}, Point{bounds.minX(), bounds.maxY()},
          Point{bounds.maxX(), bounds.maxY()}, Point{bounds.midX(), bounds.midY()}}) {
      Color casing = at(p);
      worst = std::min(worst, contrastRatio(blend(ink, ink.alpha * opacity, casing), casing));
    }
    return worst;
  }

private:
  Color at(Point p) const {
    Point s{0.289 * widget_.width, 0.047 * widget_.height};
    Point e{0.711 * widget_.width, 0.953 * widget_.height};
    double dx = e.x - s.x, dy = e.y - s.y;
    double t = std::clamp(((p.x - s.x) * dx + (p.y - s.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return blend(end_, t, start_);
  }

  Size widget_;
  Color start_, end_;
};

std::string named(const DrawnText &text) { return fmt::format("\"{}\"", text.run->text); }

// Where a one-line text's capitals and figures are drawn: the line box holds room above and
// below them, and the tracking after the last character draws nothing.
Rect glyphBox(const DrawnText &text) {
  const Rect &frame = text.node->frame;
  if (text.run->lineCount != 1)
    return frame;
  double em = text.run->style.font.size * text.run->scale;
  double tracking = text.run->style.tracking * text.run->scale;
  return {{frame.minX(), frame.midY() - 0.36 * em},
          {std::max(0.0, frame.size.width - tracking), 0.72 * em}};
}

std::array<Point, 4> corners(const Rect &r) {
  return {r.origin, Point{r.maxX(), r.minY()}, Point{r.minX(), r.maxY()},
          Point{r.maxX(), r.maxY()}};
}

double distance(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y); }

// A text lies inside a ring's inner edge or outside its outer edge, never on its line.
bool crosses(const Rect &box, const Ring &ring) {
  double farthest = 0;
  for (Point corner : corners(box))
    farthest = std::max(farthest, distance(corner, ring.centre));
  Point nearest{std::clamp(ring.centre.x, box.minX(), box.maxX()),
                std::clamp(ring.centre.y, box.minY(), box.maxY())};
  return farthest > ring.inner + tolerance &&
         distance(nearest, ring.centre) < ring.outer - tolerance;
}

// Within a capsule, clear of its rounded ends.
bool withinCapsule(const Rect &box, const Rect &capsule) {
  double radius = std::min(capsule.size.width, capsule.size.height) / 2;
  Rect core = capsule.insetBy(radius, radius);
  for (Point corner : corners(box)) {
    Point nearest{std::clamp(corner.x, core.minX(), core.maxX()),
                  std::clamp(corner.y, core.minY(), core.maxY())};
    if (distance(corner, nearest) > radius + tolerance / 4)
      return false;
  }
  return true;
}

void checkShapesBeneath(const DrawnText &text, const Drawing &drawing,
                        std::vector<std::string> &faults) {
  Rect box = glyphBox(text);
  if (box.isEmpty())
    return;
  for (const Ring &ring : drawing.rings)
    if (crosses(box, ring))
      faults.push_back(fmt::format("{} crosses a ring's line", named(text)));
  for (const Rect &capsule : drawing.capsules)
    if (capsule.contains({box.midX(), box.midY()}) && !withinCapsule(box, capsule))
      faults.push_back(fmt::format("{} runs into its capsule's rounded ends", named(text)));
}

void checkLines(const DrawnText &text, double numeralSize, std::vector<std::string> &faults) {
  const TextRun &run = *text.run;
  if (run.role == TextRole::label && (run.lineCount != 1 || run.style.lineLimit != 1))
    faults.push_back(fmt::format("label {} on {} lines (limit {})", named(text), run.lineCount,
                                 run.style.lineLimit.value_or(0)));
  if (run.role == TextRole::data && (run.lineCount != 1 || run.truncated))
    faults.push_back(fmt::format("data {} on {} lines{}", named(text), run.lineCount,
                                 run.truncated ? ", cut" : ""));
  if (run.role == TextRole::plain && run.style.font.size >= numeralSize)
    faults.push_back(fmt::format("numeral {} not marked as data", named(text)));
}

// The colour a surface shows at a point: its fill, or its gradient's there.
Color colourAt(const Ground &surface, Point p) {
  if (const Color *color = std::get_if<Color>(&surface.paint))
    return *color;
  const auto &linear = std::get<LinearGradient>(surface.paint);
  std::vector<Gradient::Stop> stops = linear.gradient.normalizedStops();
  Point s = linear.startPoint.in(surface.bounds), e = linear.endPoint.in(surface.bounds);
  double dx = e.x - s.x, dy = e.y - s.y, length = dx * dx + dy * dy;
  double t = length > 0 ? std::clamp(((p.x - s.x) * dx + (p.y - s.y) * dy) / length, 0.0, 1.0) : 0;
  if (stops.empty())
    return Color::clear;
  if (t <= stops.front().location)
    return stops.front().color;
  for (std::size_t i = 1; i < stops.size(); ++i)
    if (t <= stops[i].location) {
      const Gradient::Stop &a = stops[i - 1], &b = stops[i];
      double f = b.location > a.location ? (t - a.location) / (b.location - a.location) : 1;
      return blend(b.color, f, a.color);
    }
  return stops.back().color;
}

// A text or glyph drawn on the accent or on a key reads against it at 3:1, whichever accent the
// theme has. A glyph's outline in the fill's own colour is part of that glyph.
void checkOnGround(const std::string &what, const Rect &box, const Color &ink, double opacity,
                   std::size_t order, const Drawing &drawing, std::vector<std::string> &faults,
                   bool isGlyph = false) {
  Point centre{box.midX(), box.midY()};
  for (const Ground &surface : drawing.grounds) {
    if (surface.order >= order || !surface.bounds.contains(centre))
      continue;
    if (const Color *fill = std::get_if<Color>(&surface.paint); isGlyph && fill && *fill == ink)
      continue;
    Color beneath = colourAt(surface, centre);
    double contrast = contrastRatio(blend(ink, ink.alpha * opacity, beneath), beneath);
    if (contrast < casingInkContrast)
      faults.push_back(fmt::format("{} in {} reads {:.2f}:1 on the {} beneath it", what,
                                   ink.hexString(), contrast, beneath.hexString()));
  }
}

// Pictographs: emoji and the symbol blocks they come from, with their joiners and selectors.
bool isPictograph(char32_t c) {
  return c >= 0x1F000 || (c >= 0x2190 && c <= 0x2BFF) || c == 0x200D || c == 0xFE0F || c == 0x20E3;
}

// The text without its pictographs; UTF-8 is decoded by hand, the text being well formed.
std::string withoutPictographs(const std::string &text) {
  std::string kept;
  for (std::size_t i = 0; i < text.size();) {
    unsigned char lead = text[i];
    std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? lead : lead & (0xFF >> (length + 1));
    for (std::size_t k = 1; k < length && i + k < text.size(); ++k)
      c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    if (!isPictograph(c))
      kept += text.substr(i, length);
    i += length;
  }
  return kept;
}

// A line holding a pictograph is at most 1.25 times as tall as the same line without it, set
// at the size the text was drawn at.
void checkPictographLines(const DrawnText &text, const TextEngine *engine,
                          std::vector<std::string> &faults) {
  const TextRun &run = *text.run;
  std::string plain = withoutPictographs(run.text);
  if (!engine || plain == run.text || run.lineCount < 1)
    return;
  TextStyle style = run.style;
  style.font.size *= run.scale;
  style.tracking *= run.scale;
  style.minimumScaleFactor = 1;
  style.lineLimit.reset();
  TextMetrics reference = engine->measure(plain.empty() ? "0" : plain, style, {});
  double drawnLine = (text.node->frame.size.height + style.lineSpacing) / run.lineCount;
  double plainLine = (reference.size.height + style.lineSpacing) / std::max(1, reference.lineCount);
  if (drawnLine > 1.25 * plainLine)
    faults.push_back(fmt::format("{} sets lines {:.1f} tall, {:.1f} without its pictographs",
                                 named(text), drawnLine, plainLine));
}

bool isPrimary(const Color &color, bool cream) {
  return color == casingInk(InkLevel::primary, cream) || color == Color::white ||
         color == Color::black;
}

bool isUnlit(const Color &color, bool cream) {
  return color == casingInk(InkLevel::track, cream) || color == casingInk(InkLevel::unlit, cream) ||
         color == ZavelTokens::track || color == ZavelTokens::trackFine;
}

} // namespace

std::vector<std::string> textFaults(const LaidOutTree &tree, ZavelSize size, bool cream,
                                    const Color &accent) {
  Drawing drawing;
  drawing.accent = accent;
  collect(tree.root, 1, drawing);
  Size canvas = designCanvas(size);
  double u = std::min(tree.size.width / canvas.width, tree.size.height / canvas.height);
  const Rect widget{{0, 0}, tree.size};
  const CasingBeneath casing(tree.size, cream);
  std::vector<std::string> faults;

  for (const DrawnText &text : drawing.texts) {
    checkLines(text, 24 * u - 1e-6, faults);
    checkShapesBeneath(text, drawing, faults);
    checkPictographLines(text, tree.textEngine, faults);
    const Rect &frame = text.node->frame;
    const Rect box = glyphBox(text);
    if (frame.isEmpty() || box.isEmpty())
      continue;
    const Color *ink = std::get_if<Color>(&text.run->paint);
    if (ink)
      checkOnGround(named(text), box, *ink, text.opacity, text.order, drawing, faults);
    if (auto screen = overlapping(box, drawing.screens)) {
      if (!inside(box, *screen))
        faults.push_back(fmt::format("{} runs outside its screen", named(text)));
      continue;
    }
    if (overlapping(box, drawing.keyFaces))
      continue;
    if (!inside(box, widget))
      faults.push_back(fmt::format("{} runs outside the widget", named(text)));
    if (!ink)
      continue;
    double needed = isPrimary(*ink, cream) ? primaryTextContrast : casingInkContrast;
    double contrast = casing.worstContrast(frame, *ink, text.opacity);
    if (contrast < needed)
      faults.push_back(fmt::format("{} in {} reads {:.2f}:1 on the casing", named(text),
                                   ink->hexString(), contrast));
  }

  // Seams and highlights are translucent lines of the casing itself, not marks on it.
  double lightestLit = 0, darkestUnlit = 1;
  for (const DrawnMark &mark : drawing.marks) {
    if (mark.bounds.isEmpty() || mark.color.alpha * mark.opacity < 0.99)
      continue;
    checkOnGround(mark.shape, mark.bounds, mark.color, mark.opacity, mark.order, drawing, faults,
                  true);
    if (overlapping(mark.bounds, drawing.screens) || overlapping(mark.bounds, drawing.keyFaces))
      continue;
    double luminance = relativeLuminance(mark.color);
    if (isUnlit(mark.color, cream)) {
      darkestUnlit = std::min(darkestUnlit, luminance);
      continue;
    }
    lightestLit = std::max(lightestLit, luminance);
    double contrast = casing.worstContrast(mark.bounds, mark.color, mark.opacity);
    if (contrast < casingInkContrast)
      faults.push_back(fmt::format("{} in {} reads {:.2f}:1 on the casing", mark.shape,
                                   mark.color.hexString(), contrast));
  }
  if (cream && darkestUnlit <= lightestLit)
    faults.push_back("an unlit mark is no lighter than a lit one");
  return faults;
}

std::vector<std::string> cutStrings(const LaidOutTree &tree,
                                    const std::vector<std::string> &strings) {
  std::vector<std::string> cut;
  auto texts = tree.root.findAll([](const LaidOutNode &node) { return node.as<TextRun>(); });
  for (const std::string &string : strings) {
    bool whole = std::any_of(texts.begin(), texts.end(), [&](const LaidOutNode *node) {
      const TextRun &run = *node->as<TextRun>();
      return run.text.find(string) != std::string::npos && !run.truncated;
    });
    if (!whole)
      cut.push_back(fmt::format("\"{}\" is not read whole", string));
  }
  return cut;
}

} // namespace zavel::testing
