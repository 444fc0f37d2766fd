#include "kit/events/EventStore.h"

#include "support/ScratchTree.h"

#include <gtest/gtest.h>

using kit::events::AuthorizationStatus;
using kit::events::EntityType;
using kit::events::EventStore;

TEST(EventStoreAuthorization, FollowsWhatIsWhereTheFolderShouldBe) {
  test_support::ScratchTree tree;
  auto status = [&](const std::filesystem::path &home) {
    EventStore store(kit::events::calendarsFolder(home), "UTC");
    auto events = store.authorizationStatus(EntityType::event);
    EXPECT_EQ(store.authorizationStatus(EntityType::reminder), events);
    return events;
  };
  EXPECT_EQ(status(tree.root() / "no-home"), AuthorizationStatus::notDetermined);
  EXPECT_TRUE(EventStore(tree.root() / "no-home" / "calendars", "UTC")
                  .events(kit::events::Date{0}, kit::events::Date{1e9})
                  .empty());
  EXPECT_EQ(status(tree.folder("empty-home")), AuthorizationStatus::notDetermined);
  tree.folder("home/calendars");
  EXPECT_EQ(status(tree.root() / "home"), AuthorizationStatus::fullAccess);
  tree.write("file-home/calendars", "not a folder");
  EXPECT_EQ(status(tree.root() / "file-home"), AuthorizationStatus::denied);
  tree.write("plain-file", "a home that is a file");
  EXPECT_EQ(status(tree.root() / "plain-file"), AuthorizationStatus::denied);
  std::filesystem::create_symlink(tree.root() / "nowhere", tree.root() / "empty-home/calendars");
  EXPECT_EQ(status(tree.root() / "empty-home"), AuthorizationStatus::notDetermined);
}
