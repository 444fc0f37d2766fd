#pragma once

#include "kit/ui/AffineTransform.h"
#include "kit/ui/Environment.h"
#include "kit/ui/IntentReference.h"
#include "kit/ui/Paint.h"
#include "kit/ui/Path.h"
#include "kit/ui/StrokeStyle.h"
#include "kit/ui/text/TextStyle.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kit::ui {

class TextEngine;
struct LaidOutNode;

// What a laid-out node draws or does. Paths are in widget coordinates (points).
struct TextRun {
  std::string text;
  TextStyle style; // as asked for
  Paint paint;
  // The weight of the face the text is drawn in (a PostScript name fixes it, whatever the style
  // says).
  FontWeight faceWeight = FontWeight::regular;
  TextRole role = TextRole::plain;
  // How it is drawn in its frame: on how many lines, shrunk by how much, and whether an ellipsis
  // replaced its tail. `text` stays whole either way.
  int lineCount = 0;
  double scale = 1;
  bool truncated = false;
};
// A filled path, or a stroked one when `stroke` is set.
struct ShapeDraw {
  std::string shape;
  Path path;
  Paint paint;
  std::optional<StrokeStyle> stroke;
  bool operator==(const ShapeDraw &) const = default;
};
struct CanvasDrawing {
  std::vector<ShapeDraw> operations;
};
struct OpacityEffect {
  double opacity = 1;
};
// Informational: the children's frames already include the offset.
struct OffsetEffect {
  double x = 0;
  double y = 0;
};
// Rotation or scale of the children about an anchor, applied when drawing and hit-testing.
struct TransformEffect {
  AffineTransform transform;
};
struct ClipEffect {
  Path path;
};
struct ShadowEffect {
  Color color;
  double radius = 0;
  double x = 0;
  double y = 0;
};
struct BlurEffect {
  double radius = 0;
};
struct CompositingGroup {};
struct AccentableMark {};
struct StaticLayer {
  std::string key;
};
// Replaces the hit region of the children.
struct ContentShape {
  Path path;
};
struct ButtonTarget {
  IntentReference intent;
};
struct LinkTarget {
  std::string url;
};

using NodeContent =
    std::variant<std::monostate, TextRun, ShapeDraw, CanvasDrawing, OpacityEffect, OffsetEffect,
                 TransformEffect, ClipEffect, ShadowEffect, BlurEffect, CompositingGroup,
                 AccentableMark, StaticLayer, ContentShape, ButtonTarget, LinkTarget>;

// One view after layout: its kind, its frame in widget coordinates (points), what it draws, and
// the nodes inside it in drawing order (back to front).
struct LaidOutNode {
  std::string kind;
  Rect frame;
  NodeContent content;
  std::vector<LaidOutNode> children;

  template <class T> const T *as() const { return std::get_if<T>(&content); }

  // Every node in this subtree (itself included, depth first) that matches.
  std::vector<const LaidOutNode *>
  findAll(const std::function<bool(const LaidOutNode &)> &matches) const;
  std::vector<const LaidOutNode *> findAll(std::string_view kind) const;
  // The first text node showing exactly this text.
  const LaidOutNode *findText(std::string_view text) const;
  // Every text shown in this subtree, in drawing order.
  std::vector<std::string> texts() const;
};

// A view laid out at a widget's size, ready to draw, dump or hit-test.
struct LaidOutTree {
  Size size;
  LaidOutNode root;
  std::optional<LaidOutNode> containerBackground;
  std::optional<std::string> widgetURL;
  WidgetRenderingMode renderingMode = WidgetRenderingMode::fullColor;
  ColorScheme colorScheme = ColorScheme::light;
  const TextEngine *textEngine = nullptr;
};

} // namespace kit::ui
