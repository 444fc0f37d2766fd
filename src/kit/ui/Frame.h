#pragma once

#include "kit/ui/Alignment.h"

#include <optional>

namespace kit::ui {

// A frame around a view, written with designated initialisers:
// `.frame({.width = 46, .alignment = Alignment::leading})`, `.frame({.maxWidth = infinity})`.
// A fixed length on an axis proposes exactly that length and reports it; minimum and maximum
// lengths clamp the proposal and the child's size (a maximum of `infinity` takes the whole offer).
struct Frame {
  std::optional<double> width = std::nullopt;
  std::optional<double> height = std::nullopt;
  std::optional<double> minWidth = std::nullopt;
  std::optional<double> idealWidth = std::nullopt;
  std::optional<double> maxWidth = std::nullopt;
  std::optional<double> minHeight = std::nullopt;
  std::optional<double> idealHeight = std::nullopt;
  std::optional<double> maxHeight = std::nullopt;
  Alignment alignment = Alignment::center;

  // Takes all the space offered on both axes.
  static Frame fill(Alignment alignment = Alignment::center) {
    return {.maxWidth = infinity, .maxHeight = infinity, .alignment = alignment};
  }
};

} // namespace kit::ui
