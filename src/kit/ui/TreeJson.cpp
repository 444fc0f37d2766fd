#include "kit/ui/TreeJson.h"

#include "kit/ui/text/TextEngine.h"

#include <cmath>

namespace kit::ui {
namespace {

using nlohmann::json;

// Thousandths of a point are plenty and keep the dump readable.
double rounded(double v) { return std::round(v * 1000) / 1000; }

json pointJson(Point p) { return json::array({rounded(p.x), rounded(p.y)}); }
json unitJson(UnitPoint p) { return json::array({rounded(p.x), rounded(p.y)}); }
json rectJson(const Rect &r) {
  return json::array(
      {rounded(r.minX()), rounded(r.minY()), rounded(r.size.width), rounded(r.size.height)});
}

json stopsJson(const Gradient &gradient) {
  json stops = json::array();
  for (const Gradient::Stop &stop : gradient.stops)
    stops.push_back({{"color", stop.color.hexString()}, {"location", rounded(stop.location)}});
  return stops;
}

struct PaintVisitor {
  json operator()(const Color &c) const { return c.hexString(); }
  json operator()(const LinearGradient &g) const {
    return {{"type", "linear"},
            {"start", unitJson(g.startPoint)},
            {"end", unitJson(g.endPoint)},
            {"stops", stopsJson(g.gradient)}};
  }
  json operator()(const RadialGradient &g) const {
    return {{"type", "radial"},
            {"center", unitJson(g.center)},
            {"startRadius", rounded(g.startRadius)},
            {"endRadius", rounded(g.endRadius)},
            {"stops", stopsJson(g.gradient)}};
  }
  json operator()(const EllipticalGradient &g) const {
    return {{"type", "elliptical"},
            {"center", unitJson(g.center)},
            {"startRadiusFraction", rounded(g.startRadiusFraction)},
            {"endRadiusFraction", rounded(g.endRadiusFraction)},
            {"stops", stopsJson(g.gradient)}};
  }
  json operator()(Material) const { return {{"type", "material"}, {"material", "ultraThin"}}; }
};

json fontJson(const Font &font, FontWeight weight) {
  static constexpr const char *sources[] = {"system", "family", "postScript"};
  static constexpr const char *weights[] = {"ultraLight", "thin", "light", "regular", "medium",
                                            "semibold",   "bold", "heavy", "black"};
  static constexpr const char *designs[] = {"standard", "rounded", "monospaced", "serif"};
  json j{{"source", sources[int(font.source)]},
         {"size", rounded(font.size)},
         {"weight", weights[int(weight)]}};
  if (!font.name.empty())
    j["name"] = font.name;
  if (font.width == FontWidth::condensed)
    j["width"] = "condensed";
  if (font.design != FontDesign::standard)
    j["design"] = designs[int(font.design)];
  if (font.fixedSize)
    j["fixedSize"] = true;
  return j;
}

json strokeJson(const StrokeStyle &s) {
  static constexpr const char *caps[] = {"butt", "round", "square"};
  static constexpr const char *joins[] = {"miter", "round", "bevel"};
  json j{{"lineWidth", rounded(s.lineWidth)},
         {"lineCap", caps[int(s.lineCap)]},
         {"lineJoin", joins[int(s.lineJoin)]},
         {"miterLimit", rounded(s.miterLimit)}};
  if (!s.dash.empty()) {
    j["dash"] = s.dash;
    j["dashPhase"] = rounded(s.dashPhase);
  }
  return j;
}

json shapeJson(const ShapeDraw &shape) {
  json j{{"shape", shape.shape}, {"bounds", rectJson(shape.path.boundingRect())}};
  if (shape.stroke) {
    j["stroke"] = paintJson(shape.paint);
    j["style"] = strokeJson(*shape.stroke);
  } else {
    j["fill"] = paintJson(shape.paint);
  }
  return j;
}

json textJson(const TextRun &run, const TextEngine *engine) {
  static constexpr const char *alignments[] = {"leading", "center", "trailing"};
  const TextStyle &s = run.style;
  json j{{"text", run.text},
         {"font", fontJson(s.font, run.faceWeight)},
         {"color", paintJson(run.paint)}};
  if (engine)
    j["face"] = engine->resolvedFaceName(s.font);
  if (s.tracking != 0)
    j["tracking"] = rounded(s.tracking);
  if (s.lineLimit)
    j["lineLimit"] = *s.lineLimit;
  if (s.lineSpacing != 0)
    j["lineSpacing"] = rounded(s.lineSpacing);
  if (s.minimumScaleFactor != 1)
    j["minimumScaleFactor"] = rounded(s.minimumScaleFactor);
  if (s.alignment != TextAlignment::leading)
    j["alignment"] = alignments[int(s.alignment)];
  if (s.strikethrough) {
    j["strikethrough"] = true;
    j["strikethroughColor"] = paintJson(run.paint); // drawn in the text's own paint
  }
  if (s.monospacedDigit)
    j["monospacedDigit"] = true;
  static constexpr const char *roles[] = {"plain", "label", "data"};
  if (run.role != TextRole::plain)
    j["role"] = roles[int(run.role)];
  // As drawn in its frame; "text" stays whole even when the drawing is cut.
  j["lines"] = run.lineCount;
  if (run.scale != 1)
    j["scale"] = rounded(run.scale);
  if (run.truncated)
    j["truncated"] = true;
  return j;
}

// The fields a node's content adds to its JSON object.
struct ContentVisitor {
  json &j;
  const TextEngine *engine;

  void operator()(std::monostate) const {}
  void operator()(const TextRun &run) const { j.update(textJson(run, engine)); }
  void operator()(const ShapeDraw &shape) const { j.update(shapeJson(shape)); }
  void operator()(const CanvasDrawing &drawing) const {
    json operations = json::array();
    for (const ShapeDraw &operation : drawing.operations)
      operations.push_back(shapeJson(operation));
    j["operations"] = operations;
  }
  void operator()(const OpacityEffect &e) const { j["opacity"] = rounded(e.opacity); }
  void operator()(const OffsetEffect &e) const { j["offset"] = pointJson({e.x, e.y}); }
  void operator()(const TransformEffect &e) const {
    const AffineTransform &t = e.transform;
    j["transform"] = json::array(
        {rounded(t.a), rounded(t.b), rounded(t.c), rounded(t.d), rounded(t.tx), rounded(t.ty)});
  }
  void operator()(const ClipEffect &e) const { j["clip"] = rectJson(e.path.boundingRect()); }
  void operator()(const ShadowEffect &e) const {
    j["shadow"] = {{"color", e.color.hexString()},
                   {"radius", rounded(e.radius)},
                   {"offset", pointJson({e.x, e.y})}};
  }
  void operator()(const BlurEffect &e) const { j["radius"] = rounded(e.radius); }
  void operator()(const CompositingGroup &) const {}
  void operator()(const AccentableMark &) const {}
  void operator()(const StaticLayer &e) const { j["key"] = e.key; }
  void operator()(const ContentShape &e) const {
    j["contentShape"] = rectJson(e.path.boundingRect());
  }
  void operator()(const ButtonTarget &e) const {
    j["intent"] = {{"type", e.intent.type}, {"params", e.intent.parameters}};
  }
  void operator()(const LinkTarget &e) const { j["url"] = e.url; }
};

} // namespace

json paintJson(const Paint &paint) { return std::visit(PaintVisitor{}, paint); }

json nodeJson(const LaidOutNode &node, const TextEngine *engine) {
  json j{{"kind", node.kind}, {"frame", rectJson(node.frame)}};
  std::visit(ContentVisitor{j, engine}, node.content);
  if (!node.children.empty()) {
    json children = json::array();
    for (const LaidOutNode &child : node.children)
      children.push_back(nodeJson(child, engine));
    j["children"] = children;
  }
  return j;
}

json treeJson(const LaidOutTree &tree) {
  static constexpr const char *modes[] = {"fullColor", "accented", "vibrant"};
  json j{{"size", json::array({rounded(tree.size.width), rounded(tree.size.height)})},
         {"renderingMode", modes[int(tree.renderingMode)]},
         {"colorScheme", tree.colorScheme == ColorScheme::dark ? "dark" : "light"}};
  if (tree.widgetURL)
    j["widgetURL"] = *tree.widgetURL;
  if (tree.containerBackground)
    j["containerBackground"] = nodeJson(*tree.containerBackground, tree.textEngine);
  j["root"] = nodeJson(tree.root, tree.textEngine);
  return j;
}

} // namespace kit::ui
