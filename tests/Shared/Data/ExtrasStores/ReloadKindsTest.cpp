#include "Shared/Data/ExtrasStores/ReloadKinds.h"

#include "support/ReloadLog.h"

#include <gtest/gtest.h>

namespace zavel {
namespace {

TEST(ReloadKinds, ReloadsEachKindInOrderThenNotifiesOnceEvenForNone) {
  test::ReloadLog log;
  reloadKinds({"zavel.notes.deck", "zavel.notes.pinned"});
  reloadKinds({});
  auto expected = test::reloadedAndNotified({"zavel.notes.deck", "zavel.notes.pinned"});
  for (const auto &event : test::reloadedAndNotified({}))
    expected.push_back(event);
  EXPECT_EQ(log.events(), expected);
}

} // namespace
} // namespace zavel
