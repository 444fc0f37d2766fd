#include "Widgets/AgendaWidgets/AgendaWidgets.h"

#include "Shared/Views/AgendaViews/CalendarAgendaView.h"
#include "Shared/Views/AgendaViews/CalendarBigDateView.h"
#include "Shared/Views/AgendaViews/CalendarDayEventsView.h"
#include "Shared/Views/AgendaViews/CalendarMonthGridView.h"
#include "Shared/Views/AgendaViews/RemindersListView.h"
#include "Shared/Views/AgendaViews/RemindersNextUpView.h"
#include "Shared/Views/AgendaViews/RemindersSingleView.h"
#include "Shared/Views/AgendaViews/RemindersStackView.h"

namespace zavel {

namespace {

// Where a tap on the widget takes the host application.
constexpr std::string_view remindersLink = "zavelwidgets://open/reminders";
constexpr std::string_view calendarLink = "zavelwidgets://open/calendar";

} // namespace

ZavelWidget<RemindersProvider> RemindersListWidget() {
  return {
      .typeName = "RemindersListWidget",
      .kind = "zavel.reminders.list",
      .size = ZavelSize::m,
      .face = dataFace<RemindersListView>(),
      .name = "List Card",
      .description = "Today's reminders, tappable.",
      .link = remindersLink,
  };
}

ZavelWidget<RemindersProvider> RemindersNextUpWidget() {
  return {
      .typeName = "RemindersNextUpWidget",
      .kind = "zavel.reminders.nextUp",
      .size = ZavelSize::s,
      .face = dataFace<RemindersNextUpView>(),
      .name = "Next Up",
      .description = "Countdown ring to your next reminder.",
      .link = remindersLink,
  };
}

ZavelWidget<RemindersProvider> RemindersStackWidget() {
  return {
      .typeName = "RemindersStackWidget",
      .kind = "zavel.reminders.stack",
      .size = ZavelSize::m,
      .face = dataFace<RemindersStackView>(),
      .name = "Floating Stack",
      .description = "Three reminders in stacked pills.",
      .link = remindersLink,
  };
}

ZavelWidget<RemindersProvider> RemindersSingleWidget() {
  return {
      .typeName = "RemindersSingleWidget",
      .kind = "zavel.reminders.single",
      .size = ZavelSize::s,
      .face = dataFace<RemindersSingleView>(),
      .name = "Single Focus",
      .description = "One reminder at a time.",
      .link = remindersLink,
  };
}

ZavelWidget<CalendarProvider> CalendarBigDateWidget() {
  return {
      .typeName = "CalendarBigDateWidget",
      .kind = "zavel.calendar.bigDate",
      .size = ZavelSize::s,
      .face =
          [](const CalendarEntry &entry, const ZCtx &ctx) {
            return CalendarBigDateView{entry.date, ctx}.body();
          },
      .name = "Big Date",
      .description = "Today's date, big and bold.",
      .link = calendarLink,
  };
}

ZavelWidget<CalendarProvider> CalendarDayEventsWidget() {
  return {
      .typeName = "CalendarDayEventsWidget",
      .kind = "zavel.calendar.dayEvents",
      .size = ZavelSize::m,
      .face = datedFace<CalendarDayEventsView>(),
      .name = "Day + Events",
      .description = "The date beside what's next.",
      .link = calendarLink,
  };
}

ZavelWidget<CalendarProvider> CalendarMonthGridWidget() {
  return {
      .typeName = "CalendarMonthGridWidget",
      .kind = "zavel.calendar.monthGrid",
      .size = ZavelSize::s,
      .face =
          [](const CalendarEntry &entry, const ZCtx &ctx) {
            return CalendarMonthGridView{entry.date, ctx}.body();
          },
      .name = "Month Grid",
      .description = "The month as a dot grid.",
      .link = calendarLink,
  };
}

ZavelWidget<CalendarProvider> CalendarAgendaWidget() {
  return {
      .typeName = "CalendarAgendaWidget",
      .kind = "zavel.calendar.agenda",
      .size = ZavelSize::l,
      .face = datedFace<CalendarAgendaView>(),
      .name = "Agenda",
      .description = "Today's schedule with day progress.",
      .link = calendarLink,
  };
}

} // namespace zavel
