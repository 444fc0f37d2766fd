#pragma once

#include "Widgets/AgendaWidgets/CalendarProvider.h"
#include "Widgets/AgendaWidgets/RemindersProvider.h"
#include "Widgets/Shell/ZavelWidget.h"

namespace zavel {

// The agenda family, in gallery order.
ZavelWidget<RemindersProvider> RemindersListWidget();
ZavelWidget<RemindersProvider> RemindersNextUpWidget();
ZavelWidget<RemindersProvider> RemindersStackWidget();
ZavelWidget<RemindersProvider> RemindersSingleWidget();
ZavelWidget<CalendarProvider> CalendarBigDateWidget();
ZavelWidget<CalendarProvider> CalendarDayEventsWidget();
ZavelWidget<CalendarProvider> CalendarMonthGridWidget();
ZavelWidget<CalendarProvider> CalendarAgendaWidget();

} // namespace zavel
