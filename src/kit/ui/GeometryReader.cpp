#include "kit/ui/GeometryReader.h"

#include "kit/ui/layout/Elements.h"
#include "kit/ui/layout/Node.h"

namespace kit::ui {
namespace {

class GeometryReaderElement final : public layout::Element {
public:
  GeometryReaderElement(std::function<View(const GeometryProxy &)> build, Environment env,
                        layout::LayoutPass &pass)
      : build_(std::move(build)), env_(std::move(env)), pass_(pass) {}

protected:
  Size measure(ProposedSize p) override {
    return p.replacingUnspecified(layout::defaultIdealLength);
  }

  LaidOutNode layout(const Rect &frame, ProposedSize) override {
    layout::ElementPtr content = layout::resolveOne(build_({frame.size, frame}), env_, pass_);
    ProposedSize offer = ProposedSize::of(frame.size);
    Rect rect{frame.origin, content->sizeThatFits(offer)};
    return {"GeometryReader", frame, {}, {content->place(rect, offer)}};
  }

private:
  std::function<View(const GeometryProxy &)> build_;
  Environment env_;
  layout::LayoutPass &pass_;
};

} // namespace

View GeometryReader(std::function<View(const GeometryProxy &)> build) {
  return layout::leafView([build](const Environment &env, layout::LayoutPass &pass) {
    return std::make_unique<GeometryReaderElement>(build, env, pass);
  });
}

View EnvironmentReader(std::function<View(const Environment &)> build) {
  return layout::readerView(std::move(build));
}

} // namespace kit::ui
