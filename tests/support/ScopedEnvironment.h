#pragma once

#include <map>
#include <optional>
#include <string>

namespace zavel::test {

// Sets (or, with none, unsets) environment variables and restores them when it goes.
class ScopedEnvironment {
public:
  explicit ScopedEnvironment(const std::map<std::string, std::optional<std::string>> &variables);
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment &) = delete;
  ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;

private:
  std::map<std::string, std::optional<std::string>> saved_;
};

// A fixed locale and zone for the process's "current" ones: LC_ALL and TZ set, LC_TIME and
// LANG cleared.
class ScopedLocaleAndZone {
public:
  ScopedLocaleAndZone(const std::string &locale, const std::string &zone);

private:
  ScopedEnvironment environment_;
};

} // namespace zavel::test
