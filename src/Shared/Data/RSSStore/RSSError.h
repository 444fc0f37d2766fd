#pragma once

#include <stdexcept>

namespace zavel {

// A feed whose body was fetched but is no readable feed document.
class RSSError : public std::runtime_error {
public:
  enum class Code { unreadableFeed };

  explicit RSSError(Code code);

  Code code() const noexcept { return code_; }

private:
  Code code_;
};

} // namespace zavel
