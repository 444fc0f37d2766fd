#include "kit/foundation/AtomicFile.h"
#include "kit/foundation/Defaults.h"
#include "kit/foundation/FileWriteObserver.h"
#include "kit/foundation/WriteFailureObserver.h"

#include "support/TempHome.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>

using namespace kit::foundation;
using zavel::test::TempHome;

namespace {

// One kind of observer: started with a callback that counts, and an access it hears.
struct Kind {
  const char *name;
  std::function<std::function<void()>(int &heard)> start; // returns what ends the observer
  std::function<void(const TempHome &home)> access;
};

template <class Observer, class... Args> std::function<void()> started(int &heard) {
  auto observer = std::make_shared<std::optional<Observer>>();
  observer->emplace([&heard](Args...) { ++heard; });
  return [observer] { observer->reset(); };
}

} // namespace

// An observer whose owner has gone is off every list: what follows reaches nobody's callback.
TEST(Observers, AnObserverWhoseOwnerHasGoneHearsNothing) {
  const Kind kinds[] = {
      {"suite reads", started<DefaultsReadObserver, std::string_view, std::string_view>,
       [](const TempHome &home) { Defaults::standard(home.path()).object("k"); }},
      {"suite writes", started<DefaultsWriteObserver, std::string_view, std::string_view>,
       [](const TempHome &home) { Defaults::standard(home.path()).set("k", int64_t{1}); }},
      {"file writes", started<kit::foundation::FileWriteObserver, const std::filesystem::path &>,
       [](const TempHome &home) { kit::foundation::replaceFile(home.path() / "f", "x"); }},
      {"write failures", started<WriteFailureObserver, const WriteFailure &>,
       [](const TempHome &home) {
         kit::foundation::replaceFile(home.path() / "missing" / "f", "x");
       }},
  };
  for (const Kind &kind : kinds) {
    TempHome home;
    int heard = 0;
    auto end = kind.start(heard);
    kind.access(home);
    end();
    kind.access(home);
    EXPECT_EQ(heard, 1) << kind.name;
  }
}
