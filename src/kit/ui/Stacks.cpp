#include "kit/ui/Stacks.h"

#include "kit/ui/layout/Elements.h"
#include "kit/ui/layout/Node.h"

namespace kit::ui {
namespace {

View stack(layout::Axis axis, Alignment alignment, std::optional<double> spacing,
           std::vector<View> children) {
  return layout::containerView(
      std::move(children), [axis, alignment, spacing](layout::Elements elements,
                                                      const Environment &, layout::LayoutPass &) {
        return layout::makeStack(axis, alignment, spacing, std::move(elements));
      });
}

} // namespace

View VStack(std::vector<View> children) {
  return VStack(HAlign::center, std::nullopt, std::move(children));
}
View VStack(HAlign alignment, std::vector<View> children) {
  return VStack(alignment, std::nullopt, std::move(children));
}
View VStack(HAlign alignment, std::optional<double> spacing, std::vector<View> children) {
  return stack(layout::Axis::vertical, {alignment, VAlign::center}, spacing, std::move(children));
}

View HStack(std::vector<View> children) {
  return HStack(VAlign::center, std::nullopt, std::move(children));
}
View HStack(VAlign alignment, std::vector<View> children) {
  return HStack(alignment, std::nullopt, std::move(children));
}
View HStack(VAlign alignment, std::optional<double> spacing, std::vector<View> children) {
  return stack(layout::Axis::horizontal, {HAlign::center, alignment}, spacing, std::move(children));
}

View ZStack(std::vector<View> children) { return ZStack(Alignment::center, std::move(children)); }
View ZStack(Alignment alignment, std::vector<View> children) {
  return layout::containerView(
      std::move(children),
      [alignment](layout::Elements elements, const Environment &, layout::LayoutPass &) {
        return layout::makeZStack(alignment, std::move(elements));
      });
}

View Spacer() {
  return layout::leafView(
      [](const Environment &, layout::LayoutPass &) { return layout::makeSpacer(std::nullopt); });
}
View Spacer(double minLength) {
  return layout::leafView([minLength](const Environment &, layout::LayoutPass &) {
    return layout::makeSpacer(minLength);
  });
}

View Group(std::vector<View> children) { return layout::groupView(std::move(children)); }
View EmptyView() { return View(); }

} // namespace kit::ui
