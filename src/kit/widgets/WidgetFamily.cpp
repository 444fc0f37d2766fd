#include "kit/widgets/WidgetFamily.h"

namespace kit::widgets {

std::string_view familyName(WidgetFamily family) {
  switch (family) {
  case WidgetFamily::systemSmall:
    return "small";
  case WidgetFamily::systemMedium:
    return "medium";
  case WidgetFamily::systemLarge:
    return "large";
  }
  return "small";
}

ui::Size displaySize(WidgetFamily family) {
  switch (family) {
  case WidgetFamily::systemSmall:
    return {170, 170};
  case WidgetFamily::systemMedium:
    return {364, 170};
  case WidgetFamily::systemLarge:
    return {364, 382};
  }
  return {170, 170};
}

} // namespace kit::widgets
