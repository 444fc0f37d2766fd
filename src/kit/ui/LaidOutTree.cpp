#include "kit/ui/LaidOutTree.h"

namespace kit::ui {
namespace {

void collect(const LaidOutNode &node, const std::function<bool(const LaidOutNode &)> &matches,
             std::vector<const LaidOutNode *> &out) {
  if (matches(node))
    out.push_back(&node);
  for (const LaidOutNode &child : node.children)
    collect(child, matches, out);
}

} // namespace

std::vector<const LaidOutNode *>
LaidOutNode::findAll(const std::function<bool(const LaidOutNode &)> &matches) const {
  std::vector<const LaidOutNode *> out;
  collect(*this, matches, out);
  return out;
}

std::vector<const LaidOutNode *> LaidOutNode::findAll(std::string_view wanted) const {
  return findAll([wanted](const LaidOutNode &node) { return node.kind == wanted; });
}

const LaidOutNode *LaidOutNode::findText(std::string_view text) const {
  auto found = findAll([text](const LaidOutNode &node) {
    const TextRun *run = node.as<TextRun>();
    return run && run->text == text;
  });
  return found.empty() ? nullptr : found.front();
}

std::vector<std::string> LaidOutNode::texts() const {
  std::vector<std::string> out;
  for (const LaidOutNode *node : findAll([](const LaidOutNode &n) { return n.as<TextRun>(); }))
    out.push_back(node->as<TextRun>()->text);
  return out;
}

} // namespace kit::ui
