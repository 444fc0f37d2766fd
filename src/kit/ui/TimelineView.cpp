#include "kit/ui/TimelineView.h"

#include "kit/ui/layout/Node.h"

namespace kit::ui {
namespace {

class MomentNode final : public layout::Node {
public:
  explicit MomentNode(std::function<View(foundation::Date)> build) : build_(std::move(build)) {}
  void resolve(const Environment &env, layout::LayoutPass &pass,
               layout::Elements &out) const override {
    if (build_)
      build_(pass.now).node()->resolve(env, pass, out);
  }

private:
  std::function<View(foundation::Date)> build_;
};

} // namespace

View TimelineView(std::function<View(foundation::Date now)> build) {
  return View(std::make_shared<MomentNode>(std::move(build)));
}

} // namespace kit::ui
