#include "LayoutTesting.h"
#include "kit/ui/HitTest.h"
#include "kit/ui/TreeJson.h"
#include "kit/ui/UI.h"

#include <gtest/gtest.h>

namespace kit::ui {
namespace {

using testing::lay;

IntentReference intent(std::string type, nlohmann::json params = nlohmann::json::object()) {
  return {std::move(type), std::move(params)};
}

std::string hitType(const LaidOutTree &tree, Point point) {
  const LaidOutNode *node = hitTest(tree, point);
  if (!node)
    return "";
  if (const ButtonTarget *button = node->as<ButtonTarget>())
    return button->intent.type;
  return node->as<LinkTarget>()->url;
}

TEST(Controls, ButtonStyleShapesTheLabelAtRest) {
  ButtonStyle lift = [](const ButtonConfiguration &c) {
    return c.label.offset(0, c.isPressed ? 2 : -2);
  };
  View link = Link("https://example.com", Rectangle().frame(10, 10)).buttonStyle(lift);
  EXPECT_EQ(testing::framesOf(lay(link, {10, 10}), "Rectangle"),
            std::vector{testing::rect(0, -2, 10, 10)});
}

TEST(HitTest, FindsTheInnermostFrontMostTarget) {
  View widget =
      ZStack(Alignment::topLeading,
             {
                 Button(intent("Outer"), VStack(HAlign::leading, 0,
                                                {Rectangle().frame(100, 50),
                                                 Button(intent("Inner"), Circle().frame(20, 20))})),
                 Link("zavelwidgets://open", Rectangle().frame(10, 10)).offset(80, 60),
                 Rectangle().frame(10, 10).offset(0, 40),
             })
          .frame(100, 100, Alignment::topLeading);
  LaidOutTree tree = lay(widget, {100, 100});
  const std::pair<Point, const char *> cases[] = {
      {{50, 10}, "Outer"}, {{10, 60}, "Inner"}, {{85, 65}, "zavelwidgets://open"},
      {{5, 45}, ""},  // a plain view drawn over the button shields it
      {{50, 60}, ""}, // beside the circle, outside every label
      {{1, 51}, ""},  // the circle's corner is not the circle
  };
  for (const auto &[point, target] : cases)
    EXPECT_EQ(hitType(tree, point), target) << point.x << "," << point.y;
}

TEST(HitTest, GapsClipsOffsetsAndOpacityShapeTheHitRegion) {
  View square = Rectangle().frame(10, 10), row = HStack(VAlign::center, 40, {square, square});
  auto tap = [](View label) { return Button(intent("T"), label); };
  const std::tuple<const char *, View, Point, bool> cases[] = {
      {"gap in a label", tap(row), {30, 5}, false},
      {"outside a clip", tap(Rectangle()).clipShape(Rectangle().inset(20)), {5, 5}, false},
      {"moved by an offset", tap(square).offset(30, 0), {35, 5}, true},
      {"left behind by an offset", tap(square).offset(30, 0), {5, 5}, false},
      {"invisible", tap(square).opacity(0), {5, 5}, false},
  };
  for (const auto &[name, view, point, hit] : cases)
    EXPECT_EQ(hitTest(lay(view.frame(60, 10, Alignment::topLeading), {60, 10}), point) != nullptr,
              hit)
        << name;
}

TEST(HitTest, AStrokedOutlineCoversOnlyItsLine) {
  // A key under a frame stroked 2 points wide all round it, as a bezel is drawn over a screen.
  View framed = Button(intent("Key"), Rectangle())
                    .overlay(Rectangle().strokeBorder(Color::white, 2))
                    .frame(100, 100);
  View ring = Button(intent("Ring"), Circle().stroke(Color::white, 4).frame(40, 40));
  struct Case {
    const char *name;
    View view;
    Point point;
    std::string target;
  };
  for (const Case &c : {
           Case{.name = "inside the frame", .view = framed, .point = {50, 50}, .target = "Key"},
           Case{.name = "on the frame's line", .view = framed, .point = {1, 50}, .target = ""},
           Case{.name = "on a ring", .view = ring, .point = {50, 31}, .target = "Ring"},
           Case{.name = "inside a ring", .view = ring, .point = {50, 50}, .target = ""},
       })
    EXPECT_EQ(hitType(lay(c.view, {100, 100}), c.point), c.target) << c.name;
}

TEST(HitTest, AContentShapeOnAPaddedLabelMakesItsPaddingPressable) {
  // "Go" is 20.4 points square, padded to 44.4 and centred: its text spans 39.8 to 60.2.
  View padded = Text("Go").padding(12);
  View gapped = HStack(VAlign::center, 40, {Rectangle().frame(10, 10), Rectangle().frame(10, 10)});
  const struct {
    const char *name;
    View label;
    Point point;
    bool pressed;
  } cases[] = {
      {.name = "the text", .label = padded, .point = {50, 50}, .pressed = true},
      {.name = "bare padding", .label = padded, .point = {30, 50}, .pressed = false},
      {.name = "padding in the shape",
       .label = padded.contentShape(Rectangle()),
       .point = {30, 50},
       .pressed = true},
      {.name = "beyond the padding",
       .label = padded.contentShape(Rectangle()),
       .point = {25, 50},
       .pressed = false},
      {.name = "a gap in the shape",
       .label = gapped.contentShape(Rectangle()),
       .point = {50, 50},
       .pressed = true},
      {.name = "only where the shape reaches",
       .label = padded.contentShape(Circle()),
       .point = {30, 30},
       .pressed = false},
  };
  for (const auto &c : cases)
    EXPECT_EQ(hitType(lay(Button(intent("Go"), c.label), {100, 100}), c.point),
              c.pressed ? "Go" : "")
        << c.name;
}

TEST(TreeJson, DumpsTextsAndPaints) {
  View widget = VStack(HAlign::leading, 0,
                       {
                           Text("21°").font(Font::postScript("IBMPlexMono-Bold", 38)).tracking(-1),
                           Text("done").font(Font::system(9, FontWeight::semibold)).strikethrough(),
                           Text("31 DEC").lineLimit(1).frame(20, 10).textRole(TextRole::data),
                       })
                    .foreground(Color::rgb8(0xE8, 0xE8, 0xE6));
  LaidOutTree tree = lay(widget, {200, 200});
  nlohmann::json j = treeJson(tree);
  EXPECT_EQ(j["renderingMode"], "fullColor");

  nlohmann::json text = j["root"]["children"][0];
  EXPECT_EQ(text["text"], "21°");
  EXPECT_EQ(text["color"], "#E8E8E6");
  EXPECT_EQ(text["font"]["name"], "IBMPlexMono-Bold");
  EXPECT_EQ(text["face"], "Fake-IBMPlexMono-Bold");
  EXPECT_EQ(text["tracking"], -1);
  EXPECT_FALSE(text.contains("strikethrough"));
  EXPECT_EQ(text["lines"], 1);
  EXPECT_FALSE(text.contains("role"));
  EXPECT_FALSE(text.contains("scale"));
  EXPECT_FALSE(text.contains("truncated"));

  // An engine that resolves no faces reports the weight asked for.
  nlohmann::json struck = j["root"]["children"][1];
  EXPECT_EQ(struck["font"]["weight"], "semibold");
  EXPECT_EQ(struck["strikethrough"], true);
  EXPECT_EQ(struck["strikethroughColor"], "#E8E8E6");

  // The text stays whole; how it is drawn says it was cut.
  nlohmann::json cut = j["root"]["children"][2]["children"][0];
  EXPECT_EQ(cut["text"], "31 DEC");
  EXPECT_EQ(cut["role"], "data");
  EXPECT_EQ(cut["lines"], 1);
  EXPECT_EQ(cut["truncated"], true);

  EXPECT_EQ(paintJson(Color::white.opacity(0.5)), "#FFFFFF80");
}

} // namespace
} // namespace kit::ui
