#include "kit/events/EventStore.h"

#include "support/ScratchTree.h"

#include <gtest/gtest.h>

using kit::events::AuthorizationStatus;
using kit::events::EntityType;
using kit::events::EventStore;

TEST(EventStoreAuthorization, FollowsWhatIsWhereTheFolderShouldBe) {
  test_support::ScratchTree tree;
  auto status = [&](const char *home) {
    EventStore store(kit::events::calendarsFolder(tree.root() / home), "UTC");
    auto events = store.authorizationStatus(EntityType::event);
    EXPECT_EQ(store.authorizationStatus(EntityType::reminder), events);
    return events;
  };
  EXPECT_EQ(status("no-home"), AuthorizationStatus::notDetermined);
  EXPECT_TRUE(EventStore(tree.root() / "no-home" / "calendars", "UTC")
                  .events(kit::events::Date{0}, kit::events::Date{1e9})
                  .empty());
  tree.folder("home/calendars");
  EXPECT_EQ(status("home"), AuthorizationStatus::fullAccess);
  tree.write("file-home/calendars", "not a folder");
  EXPECT_EQ(status("file-home"), AuthorizationStatus::denied);
}
