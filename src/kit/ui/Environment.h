#pragma once

#include "kit/ui/Paint.h"
#include "kit/ui/text/TextStyle.h"

#include <functional>
#include <optional>

namespace kit::ui {

class View;
struct ButtonConfiguration;

enum class WidgetRenderingMode { fullColor, accented, vibrant };
enum class ColorScheme { light, dark };

// What a text is to its reader. Layout treats every role alike; the laid-out tree reports it, so
// checks can hold a label to one line and a figure (a numeral, time, temperature, percentage or
// count) to one whole line.
enum class TextRole { plain, label, data };

// The colour a material is drawn with in a colour scheme.
Color materialColor(Material material, ColorScheme scheme);

// Makes a button's look from its label and pressed state.
using ButtonStyle = std::function<View(const ButtonConfiguration &)>;

// Values that flow from a view to everything inside it, until a view inside sets its own.
struct Environment {
  std::optional<Paint> foreground; // none: the scheme's primary colour
  Font font = Font::system(17);
  double tracking = 0;
  std::optional<int> lineLimit;
  double lineSpacing = 0;
  double minimumScaleFactor = 1;
  TextAlignment multilineTextAlignment = TextAlignment::leading;
  bool strikethrough = false;
  bool monospacedDigit = false;
  TextRole textRole = TextRole::plain;
  WidgetRenderingMode renderingMode = WidgetRenderingMode::fullColor;
  ColorScheme colorScheme = ColorScheme::light;
  ButtonStyle buttonStyle; // empty: the label as it is
  // The corner radius of the widget's outline, which container-relative shapes follow.
  double widgetCornerRadius = 28;

  // The text attributes set here, as one style.
  TextStyle textStyle() const;
  // The foreground, or the primary colour of the colour scheme when none is set.
  Paint resolvedForeground() const;
  // The paint as drawn here: a material becomes its colour in this colour scheme.
  Paint resolve(const Paint &paint) const;
};

} // namespace kit::ui
