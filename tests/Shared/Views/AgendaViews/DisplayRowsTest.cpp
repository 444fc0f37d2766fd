#include "Shared/Views/AgendaViews/DisplayRows.h"
#include "AgendaViewsTesting.h"

namespace zavel {
namespace {

using namespace zavel::testing;

std::vector<std::string> ids(const std::vector<ReminderItem> &items) {
  std::vector<std::string> ids;
  for (const ReminderItem &item : items)
    ids.push_back(item.id);
  return ids;
}

TEST(DisplayRows, TheLastDoneReminderThenTheFirstOpenOnesAtMostThree) {
  struct Case {
    const char *name;
    std::vector<ReminderItem> items;
    std::vector<std::string> rows;
  };
  for (const Case &c : {
           Case{.name = "done ones first",
          .items = {doneReminder("D1"), doneReminder("D2"), reminder("O1"), reminder("O2"),
                    reminder("O3")},
          .rows = {"D2", "O1", "O2"}},
           Case{.name = "done ones among open ones",
           .items = {reminder("O1"), doneReminder("D1"), reminder("O2"), doneReminder("D2"),
                     reminder("O3")},
           .rows = {"D2", "O1", "O2"}},
           Case{
               .name = "five open",
          .items = {reminder("O1"), reminder("O2"), reminder("O3"), reminder("O4"), reminder("O5")},
          .rows = {"O1", "O2", "O3"}},
           Case{.name = "only done",
           .items = {doneReminder("D1"), doneReminder("D2")},
           .rows = {"D2"}},
           Case{.name = "none", .items = {}, .rows = {}},
       })
    EXPECT_EQ(ids(displayRows({.items = c.items, .nextUp = {}, .minutesToNext = {}})), c.rows)
        << c.name;
}

} // namespace
} // namespace zavel
