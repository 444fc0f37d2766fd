#include "Shared/Data/RSSStore/RSSError.h"

namespace zavel {

RSSError::RSSError(Code code) : std::runtime_error("unreadable feed"), code_(code) {}

} // namespace zavel
