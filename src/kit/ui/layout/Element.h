#pragma once

#include "kit/ui/Alignment.h"
#include "kit/ui/LaidOutTree.h"

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace kit::ui::layout {

enum class Axis { horizontal, vertical };

// A view resolved against its environment, taking part in one layout: it is asked for its size
// under proposals (answers are cached), then placed in a frame in widget coordinates.
class Element {
public:
  virtual ~Element() = default;

  // The size chosen for a proposal; finite and non-negative except along an infinite proposal.
  Size sizeThatFits(ProposedSize proposal);
  // Text baselines from the top, when sized for the proposal; none when there is no text.
  virtual std::optional<double> firstBaseline(ProposedSize) { return std::nullopt; }
  virtual std::optional<double> lastBaseline(ProposedSize) { return std::nullopt; }
  // Lays out the content in `frame` (the size chosen for `proposal`).
  LaidOutNode place(const Rect &frame, ProposedSize proposal);

  virtual double layoutPriority() const { return 0; }
  // Spacers grow along their stack's axis and take no default spacing next to them.
  virtual bool isSpacer() const { return false; }
  virtual void adoptStackAxis(Axis) {}

protected:
  virtual Size measure(ProposedSize proposal) = 0;
  virtual LaidOutNode layout(const Rect &frame, ProposedSize proposal) = 0;

private:
  std::vector<std::pair<ProposedSize, Size>> cache_;
};

using ElementPtr = std::unique_ptr<Element>;
using Elements = std::vector<ElementPtr>;

// Proposals with NaN axes become unspecified and negative lengths zero.
ProposedSize sanitized(ProposedSize proposal);

// Alignment guides: where an alignment falls within a child of a given size.
double guide(HAlign alignment, Size size);
double guide(VAlign alignment, Size size, Element &element, ProposedSize proposal);

} // namespace kit::ui::layout
