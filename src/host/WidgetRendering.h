#pragma once

#include "host/Commands.h"
#include "kit/ui/Environment.h"
#include "kit/ui/Image.h"
#include "kit/ui/LaidOutTree.h"
#include "kit/widgets/AnyWidget.h"

#include <string>

namespace zavel::host {

// How the host shows a widget besides its size.
struct Appearance {
  kit::ui::WidgetRenderingMode mode = kit::ui::WidgetRenderingMode::fullColor;
  kit::ui::ColorScheme scheme = kit::ui::ColorScheme::light;
};

// Makes the shipped fonts available to what a command draws. When none is found it says so in
// one line, naming where they were looked for, and the drawing goes on in the system's fonts.
void useShippedFonts(const CommandContext &context);

// The entry's view laid out in a widget of `size` points, as shown from the entry's date on (or
// now, when that has passed): self-updating text shows that moment.
kit::ui::LaidOutTree layOutEntry(const kit::widgets::AnyEntry &entry, kit::ui::Size size,
                                 const Appearance &appearance = {});

// The laid-out widget drawn at `scale` pixels per point, transparent outside its outline; in
// the accented mode the accentable parts take the theme's accent colour.
kit::ui::Image renderTree(const kit::ui::LaidOutTree &tree, double scale);

// The same as PNG bytes; empty when the picture cannot be encoded.
std::string renderPng(const kit::ui::LaidOutTree &tree, double scale);

} // namespace zavel::host
