#include "support/ScopedEnvironment.h"

#include <cstdlib>

namespace zavel::test {

namespace {

void apply(const std::string &name, const std::optional<std::string> &value) {
  if (value)
    setenv(name.c_str(), value->c_str(), 1);
  else
    unsetenv(name.c_str());
}

} // namespace

ScopedEnvironment::ScopedEnvironment(
    const std::map<std::string, std::optional<std::string>> &variables) {
  for (const auto &[name, value] : variables) {
    const char *current = std::getenv(name.c_str());
    saved_[name] = current ? std::optional<std::string>(current) : std::nullopt;
    apply(name, value);
  }
}

ScopedEnvironment::~ScopedEnvironment() {
  for (const auto &[name, value] : saved_)
    apply(name, value);
}

ScopedLocaleAndZone::ScopedLocaleAndZone(const std::string &locale, const std::string &zone)
    : environment_(
          {{"LC_ALL", locale}, {"LC_TIME", std::nullopt}, {"LANG", std::nullopt}, {"TZ", zone}}) {}

} // namespace zavel::test
