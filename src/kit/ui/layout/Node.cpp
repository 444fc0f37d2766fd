#include "kit/ui/layout/Node.h"

#include "kit/ui/layout/Elements.h"

namespace kit::ui::layout {
namespace {

class LeafNode final : public Node {
public:
  explicit LeafNode(MakeLeaf make) : make_(std::move(make)) {}
  void resolve(const Environment &env, LayoutPass &pass, Elements &out) const override {
    out.push_back(make_(env, pass));
  }

private:
  MakeLeaf make_;
};

class ContainerNode final : public Node {
public:
  ContainerNode(std::vector<View> children, MakeContainer make)
      : children_(std::move(children)), make_(std::move(make)) {}
  void resolve(const Environment &env, LayoutPass &pass, Elements &out) const override {
    out.push_back(make_(resolveAll(children_, env, pass), env, pass));
  }

private:
  std::vector<View> children_;
  MakeContainer make_;
};

class ModifierNode final : public Node {
public:
  ModifierNode(View child, WrapElement wrap) : child_(std::move(child)), wrap_(std::move(wrap)) {}
  void resolve(const Environment &env, LayoutPass &pass, Elements &out) const override {
    Elements inner;
    child_.node()->resolve(env, pass, inner);
    for (ElementPtr &element : inner)
      out.push_back(wrap_(std::move(element), env, pass));
  }

private:
  View child_;
  WrapElement wrap_;
};

class EnvironmentNode final : public Node {
public:
  EnvironmentNode(View child, std::function<void(Environment &)> change)
      : child_(std::move(child)), change_(std::move(change)) {}
  void resolve(const Environment &env, LayoutPass &pass, Elements &out) const override {
    Environment changed = env;
    change_(changed);
    child_.node()->resolve(changed, pass, out);
  }

private:
  View child_;
  std::function<void(Environment &)> change_;
};

class GroupNode final : public Node {
public:
  explicit GroupNode(std::vector<View> children) : children_(std::move(children)) {}
  void resolve(const Environment &env, LayoutPass &pass, Elements &out) const override {
    for (const View &child : children_)
      child.node()->resolve(env, pass, out);
  }

private:
  std::vector<View> children_;
};

class ReaderNode final : public Node {
public:
  explicit ReaderNode(std::function<View(const Environment &)> build) : build_(std::move(build)) {}
  void resolve(const Environment &env, LayoutPass &pass, Elements &out) const override {
    build_(env).node()->resolve(env, pass, out);
  }

private:
  std::function<View(const Environment &)> build_;
};

} // namespace

ElementPtr resolveOne(const View &view, const Environment &environment, LayoutPass &pass) {
  Elements elements;
  view.node()->resolve(environment, pass, elements);
  if (elements.empty())
    return makeEmpty();
  if (elements.size() == 1)
    return std::move(elements.front());
  return makeStack(Axis::vertical, Alignment::center, std::nullopt, std::move(elements));
}

Elements resolveAll(const std::vector<View> &views, const Environment &environment,
                    LayoutPass &pass) {
  Elements elements;
  for (const View &view : views)
    view.node()->resolve(environment, pass, elements);
  return elements;
}

View leafView(MakeLeaf make) { return View(std::make_shared<LeafNode>(std::move(make))); }

View containerView(std::vector<View> children, MakeContainer make) {
  return View(std::make_shared<ContainerNode>(std::move(children), std::move(make)));
}

View modifiedView(const View &child, WrapElement wrap) {
  return View(std::make_shared<ModifierNode>(child, std::move(wrap)));
}

View environmentView(const View &child, std::function<void(Environment &)> change) {
  return View(std::make_shared<EnvironmentNode>(child, std::move(change)));
}

View groupView(std::vector<View> children) {
  return View(std::make_shared<GroupNode>(std::move(children)));
}

View readerView(std::function<View(const Environment &)> build) {
  return View(std::make_shared<ReaderNode>(std::move(build)));
}

} // namespace kit::ui::layout
