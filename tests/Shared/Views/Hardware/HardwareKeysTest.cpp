#include "Shared/Views/Hardware/HardwareKeys.h"
#include "HardwareTesting.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Glyphs/KeyGlyphs.h"

namespace zavel {
namespace {

using namespace kit::ui;
using namespace zavel::testing;

const Color accent = Color::rgb8(242, 92, 5);

Paint topToBottom(Gradient gradient) { return LinearGradient{std::move(gradient)}; }

struct CapCase {
  const char *name;
  bool accented;
  std::size_t fills; // face, and the inner shade on the accent cap
  Gradient highlight;
  double shadowOpacity, shadowRadius, shadowDrop;
};

const CapCase capCases[] = {
    {"key face",
     false,
     1,
     {{Color::white.opacity(0.9), 0}, {Color::white.opacity(0), 0.35}},
     0.45,
     3,
     3},
    {"accent key face",
     true,
     2,
     {{Color::white.opacity(0.5), 0}, {Color::white.opacity(0), 0.3}},
     0.5,
     4.5,
     4},
};

View cap(const CapCase &c, double side, double u, const View &icon) {
  return c.accented ? AccentKeyFace(side, u, accent, icon)
                    : KeyFace(side, u, ZavelTokens::keyInk, icon);
}

TEST(HardwareKeys, RimRingAndShadowFollowTheUnitButNotTheCapSize) {
  for (const CapCase &c : capCases) {
    for (auto [u, w] : {std::pair{0.5, 1.0}, {1.0, 1.0}, {2.0, 2.0}}) {
      std::string what = std::string(c.name) + " u " + std::to_string(u);
      LaidOutTree tree = lay(cap(c, 44, u, EmptyView()), {60, 60});
      std::vector<ShapeDraw> circles = shapes(tree, "Circle");
      ASSERT_EQ(circles.size(), c.fills + 2) << what;
      Rect face = circles[0].path.boundingRect();
      expectRectNear(face, rect(8, 8, 44, 44), what);

      const ShapeDraw &rim = circles[c.fills];
      EXPECT_DOUBLE_EQ(rim.stroke->lineWidth, w) << what;
      expectRectNear(rim.path.boundingRect(), face.insetBy(w / 2, w / 2), what);
      const ShapeDraw &ring = circles[c.fills + 1];
      EXPECT_DOUBLE_EQ(ring.stroke->lineWidth, w) << what;
      expectRectNear(ring.path.boundingRect(), face.insetBy(1.5 * w, 1.5 * w), what);
      EXPECT_EQ(ring.paint, topToBottom(c.highlight)) << what;

      const ShadowEffect *shadow = nodes(tree, "Shadow").at(0)->as<ShadowEffect>();
      EXPECT_EQ(shadow->color, Color::black.opacity(c.shadowOpacity)) << what;
      EXPECT_DOUBLE_EQ(shadow->radius, c.shadowRadius * u) << what;
      EXPECT_DOUBLE_EQ(shadow->x, 0) << what;
      EXPECT_DOUBLE_EQ(shadow->y, c.shadowDrop * u) << what;
    }
  }
}

TEST(HardwareKeys, FacesAreLitFromTheTop) {
  LaidOutTree plain = lay(KeyFace(40, 1, ZavelTokens::keyInk, EmptyView()), {40, 40});
  std::vector<ShapeDraw> faces = shapes(plain, "Circle");
  EXPECT_EQ(faces[0].paint, topToBottom({ZavelTokens::keyFaceA, ZavelTokens::keyFaceB}));
  EXPECT_EQ(faces[1].paint, Paint{ZavelTokens::keyEdge});

  LaidOutTree lit = lay(AccentKeyFace(40, 1, accent, EmptyView()), {40, 40});
  std::vector<ShapeDraw> accentFaces = shapes(lit, "Circle");
  Color top = mixed(accent, ZavelTokens::accentKeyMixTarget, 0.2);
  EXPECT_EQ(accentFaces[0].paint, topToBottom({top, accent}));
  EXPECT_EQ(accentFaces[1].paint,
            topToBottom({{Color::clear, 0.55}, {ZavelTokens::accentKeyInnerDark, 1}}));
  EXPECT_EQ(accentFaces[2].paint, Paint{ZavelTokens::accentKeyEdge});
  // 80 % accent, 20 % the light target, opaque.
  EXPECT_NEAR(top.red, 0.8 * accent.red + 0.2 * ZavelTokens::accentKeyMixTarget.red, 1e-9);
  EXPECT_EQ(top.alpha, 1);
}

TEST(HardwareKeys, IconTakesTheInkUnlessItHasItsOwnColour) {
  const Color own = Color::rgb8(28, 174, 194);
  for (const CapCase &c : capCases) {
    Color ink = c.accented ? Color::white : ZavelTokens::keyInk;
    LaidOutTree tree =
        lay(cap(c, 40, 1, ZStack({PlayGlyph(20), Text("OWN").foreground(own)})), {40, 40});
    EXPECT_EQ(nodes(tree, "Canvas").at(0)->as<CanvasDrawing>()->operations.at(0).paint, Paint{ink})
        << c.name;
    EXPECT_EQ(tree.root.findText("OWN")->as<TextRun>()->paint, Paint{own}) << c.name;
  }
}

TEST(HardwareKeys, PressedKeyMovesDownByTwoUnits) {
  for (double u : {0.5, 1.5}) {
    ButtonStyle style = HardwareKeyStyle(u);
    View face = KeyFace(30, u, ZavelTokens::keyInk, EmptyView());
    Rect rest = lay(style({face, false}), {40, 40}).root.findAll("Circle").at(0)->frame;
    Rect held = lay(style({face, true}), {40, 40}).root.findAll("Circle").at(0)->frame;
    EXPECT_DOUBLE_EQ(held.minY() - rest.minY(), 2 * u) << u;
    EXPECT_DOUBLE_EQ(held.minX(), rest.minX()) << u;
    EXPECT_EQ(held.size, rest.size) << u;
  }
}

} // namespace
} // namespace zavel
