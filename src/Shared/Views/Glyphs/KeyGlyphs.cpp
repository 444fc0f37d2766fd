#include "Shared/Views/Glyphs/KeyGlyphs.h"

#include "kit/ui/Canvas.h"

#include <functional>
#include <initializer_list>

namespace zavel {
namespace {

using namespace kit::ui;

// Glyphs are drawn on a grid of 180 units per side, scaled to the glyph's size.
constexpr double gridSide = 180;

class GlyphPen {
public:
  GlyphPen(GraphicsContext &context, double size) : context_(context), scale_(size / gridSide) {}

  void fill(const Path &path) { context_.fill(scaled(path)); }
  void stroke(const Path &path, double width, LineCap cap, LineJoin join) {
    context_.stroke(scaled(path), StrokeStyle{.lineWidth = width * scale_,
                                              .lineCap = cap,
                                              .lineJoin = join,
                                              .miterLimit = 10});
  }

private:
  Path scaled(const Path &path) const {
    return path.applying(AffineTransform::scale(scale_, scale_));
  }

  GraphicsContext &context_;
  double scale_;
};

View glyph(double size, std::function<void(GlyphPen &)> draw) {
  return Canvas([size, draw](GraphicsContext &context, Size) {
           GlyphPen pen(context, size);
           draw(pen);
         })
      .frame(size, size);
}

void addPolyline(Path &path, std::initializer_list<Point> points, bool closed = false) {
  auto it = points.begin();
  path.move(*it);
  for (++it; it != points.end(); ++it)
    path.addLine(*it);
  if (closed)
    path.closeSubpath();
}

Path polyline(std::initializer_list<Point> points, bool closed = false) {
  Path path;
  addPolyline(path, points, closed);
  return path;
}

void addBox(Path &path, double x, double y, double width, double height, double radius) {
  path.addRoundedRect({{x, y}, {width, height}}, radius, RoundedCornerStyle::continuous);
}

// A triangle beside a bar, the figure shared by the two skip glyphs.
Path skipFigure(std::initializer_list<Point> triangle, double barX) {
  Path path = polyline(triangle, true);
  addBox(path, barX, 44, 17, 92, 8);
  return path;
}

} // namespace

View ChevronGlyph(double size, bool up) {
  double end = up ? 112 : 68, tip = up ? 68 : 112;
  return glyph(size, [=](GlyphPen &pen) {
    pen.stroke(polyline({{45, end}, {90, tip}, {135, end}}), 18, LineCap::round, LineJoin::round);
  });
}

View PlayGlyph(double size) {
  return glyph(size, [](GlyphPen &pen) {
    pen.fill(polyline({{62, 39}, {145, 90}, {62, 141}}, true));
  });
}

View PauseGlyph(double size) {
  return glyph(size, [](GlyphPen &pen) {
    Path bars;
    addBox(bars, 46, 40, 30, 100, 10);
    addBox(bars, 104, 40, 30, 100, 10);
    pen.fill(bars);
  });
}

View NextGlyph(double size) {
  return glyph(size, [](GlyphPen &pen) {
    pen.fill(skipFigure({{52, 44}, {52, 136}, {116, 90}}, 121));
  });
}

View PrevGlyph(double size) {
  return glyph(size, [](GlyphPen &pen) {
    pen.fill(skipFigure({{128, 44}, {128, 136}, {64, 90}}, 42));
  });
}

View HouseGlyph(double size) {
  return glyph(size, [](GlyphPen &pen) {
    Path house;
    addPolyline(house, {{32, 88}, {90, 40}, {148, 88}});
    addPolyline(house, {{52, 82}, {52, 140}, {128, 140}, {128, 82}});
    pen.stroke(house, 17, LineCap::round, LineJoin::round);
  });
}

View BoxDotGlyph(double size) {
  return glyph(size, [](GlyphPen &pen) {
    Path box;
    addBox(box, 30, 30, 120, 120, 25);
    pen.stroke(box, 16, LineCap::butt, LineJoin::miter);
    Path dot;
    dot.addEllipse({{73, 73}, {34, 34}});
    pen.fill(dot);
  });
}

View HeartGlyph(double size, bool filled) {
  return glyph(size, [filled](GlyphPen &pen) {
    Path heart;
    heart.move({90, 148});
    heart.addCurve({32, 74}, {90, 148}, {32, 114});
    heart.addCurve({90, 55}, {32, 53}, {72, 42});
    heart.addCurve({148, 74}, {108, 42}, {148, 53});
    heart.addCurve({90, 148}, {148, 114}, {90, 148});
    heart.closeSubpath();
    if (filled)
      pen.fill(heart);
    pen.stroke(heart, 15, LineCap::butt, LineJoin::round);
  });
}

View SunGlyph(double size) {
  return glyph(size, [](GlyphPen &pen) {
    Path sun;
    sun.addEllipse({{59, 59}, {62, 62}});
    for (auto [from, to] : {std::pair<Point, Point>{{90, 12}, {90, 33}},
                            {{90, 147}, {90, 168}},
                            {{12, 90}, {33, 90}},
                            {{147, 90}, {168, 90}},
                            {{35, 35}, {50, 50}},
                            {{130, 130}, {145, 145}},
                            {{145, 35}, {130, 50}},
                            {{50, 130}, {35, 145}}})
      addPolyline(sun, {from, to});
    pen.stroke(sun, 16, LineCap::round, LineJoin::miter);
  });
}

View BoxPlusGlyph(double size) {
  return glyph(size, [](GlyphPen &pen) {
    Path box;
    addBox(box, 25, 25, 130, 130, 30);
    addPolyline(box, {{90, 60}, {90, 120}});
    addPolyline(box, {{60, 90}, {120, 90}});
    pen.stroke(box, 15, LineCap::round, LineJoin::miter);
  });
}

} // namespace zavel
