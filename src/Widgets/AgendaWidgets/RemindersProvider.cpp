#include "Widgets/AgendaWidgets/RemindersProvider.h"

namespace zavel {

const RemindersSnapshot &RemindersSource::sample() {
  static const RemindersSnapshot sample{
      .items = ReminderItem::samples(), .nextUp = ReminderItem::samples()[2], .minutesToNext = 28};
  return sample;
}

} // namespace zavel
