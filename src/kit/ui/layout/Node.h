#pragma once

#include "kit/ui/Environment.h"
#include "kit/ui/View.h"
#include "kit/ui/layout/Element.h"
#include "kit/ui/layout/LayoutPass.h"

#include <functional>
#include <vector>

namespace kit::ui::layout {

// The immutable description behind a View. Resolving it against an environment yields the
// elements that take part in a layout: none (an empty view), one, or several (a group).
class Node {
public:
  virtual ~Node() = default;
  virtual void resolve(const Environment &environment, LayoutPass &pass, Elements &out) const = 0;
};

// Resolves a view that must yield exactly one element: nothing becomes an empty element, several
// are stacked vertically.
ElementPtr resolveOne(const View &view, const Environment &environment, LayoutPass &pass);
// Resolves children in order, flattening groups.
Elements resolveAll(const std::vector<View> &views, const Environment &environment,
                    LayoutPass &pass);

using MakeLeaf = std::function<ElementPtr(const Environment &, LayoutPass &)>;
using WrapElement = std::function<ElementPtr(ElementPtr, const Environment &, LayoutPass &)>;
using MakeContainer = std::function<ElementPtr(Elements, const Environment &, LayoutPass &)>;

// The few kinds of node every builder and modifier is made of.
View leafView(MakeLeaf make);
View containerView(std::vector<View> children, MakeContainer make);
// Wraps each element the child resolves to.
View modifiedView(const View &child, WrapElement wrap);
View environmentView(const View &child, std::function<void(Environment &)> change);
View groupView(std::vector<View> children);
View readerView(std::function<View(const Environment &)> build);

} // namespace kit::ui::layout
