#include "kit/events/ContentLines.h"

#include <cstring>

namespace kit::events {

namespace {

std::string_view withoutLineEnd(std::string_view line) {
  if (!line.empty() && line.back() == '\n')
    line.remove_suffix(1);
  if (!line.empty() && line.back() == '\r')
    line.remove_suffix(1);
  return line;
}

std::string_view nameIn(std::string_view line) {
  return line.substr(0, std::min(line.find(';'), line.find(':')));
}

bool continues(char c) { return c == ' ' || c == '\t'; }

} // namespace

std::string ContentLine::unfolded() const {
  if (!folded)
    return std::string(first);
  std::string text;
  text.reserve(raw.size());
  std::string_view rest = raw;
  for (bool isFirst = true; !rest.empty(); isFirst = false) {
    std::size_t end = rest.find('\n');
    std::string_view physical =
        rest.substr(0, end == std::string_view::npos ? rest.size() : end + 1);
    rest.remove_prefix(physical.size());
    physical = withoutLineEnd(physical);
    if (!isFirst)
      physical.remove_prefix(1); // the space or tab that marks the fold
    text += physical;
  }
  return text;
}

std::string_view ContentLine::name(std::string &scratch) const {
  if (!folded || first.find_first_of(";:") != std::string_view::npos)
    return nameIn(first);
  scratch = unfolded();
  return nameIn(scratch);
}

bool ContentLines::next(ContentLine &line) {
  if (at_ >= text_.size())
    return false;
  auto lineEndAfter = [&](std::size_t from) {
    const void *found = std::memchr(text_.data() + from, '\n', text_.size() - from);
    return found ? static_cast<std::size_t>(static_cast<const char *>(found) - text_.data()) + 1
                 : text_.size();
  };
  std::size_t start = at_;
  std::size_t end = lineEndAfter(start);
  line.first = withoutLineEnd(text_.substr(start, end - start));
  line.folded = false;
  while (end < text_.size() && continues(text_[end])) {
    end = lineEndAfter(end);
    line.folded = true;
  }
  line.raw = text_.substr(start, end - start);
  at_ = end;
  return true;
}

} // namespace kit::events
