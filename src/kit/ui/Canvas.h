#pragma once

#include "kit/ui/LaidOutTree.h"
#include "kit/ui/View.h"

#include <functional>
#include <vector>

namespace kit::ui {

// What a canvas draws with: paths in the canvas's own coordinates, painted in the foreground
// unless told otherwise. The drawing is recorded when the canvas is laid out.
class GraphicsContext {
public:
  GraphicsContext(Size size, Paint foreground) : size_(size), foreground_(std::move(foreground)) {}

  Size size() const { return size_; }
  const Paint &foreground() const { return foreground_; }

  void fill(const Path &path) { fill(path, foreground_); }
  void fill(const Path &path, const Paint &paint);
  void stroke(const Path &path, const StrokeStyle &style) { stroke(path, foreground_, style); }
  void stroke(const Path &path, const Paint &paint, const StrokeStyle &style);

  const std::vector<ShapeDraw> &operations() const { return operations_; }

private:
  Size size_;
  Paint foreground_;
  std::vector<ShapeDraw> operations_;
};

// Takes all the space offered and draws into it.
View Canvas(std::function<void(GraphicsContext &, Size)> draw);

} // namespace kit::ui
