#include "Shared/Views/WeatherViews/DaylightView.h"

#include "Shared/Data/ClockFormat.h"
#include "Shared/Theme/DesignTokens.h"
#include "Shared/Views/Hardware/MicroLabel.h"
#include "Shared/Views/Hardware/SunArc.h"
#include "Shared/Views/ScreenColumn.h"
#include "Shared/Views/ScreenHeader.h"
#include "Shared/Views/SpreadRow.h"
#include "kit/ui/UI.h"

#include <cmath>
#include <string>

namespace zavel {
namespace {

using namespace kit::ui;
using kit::foundation::Date;

bool isFinite(Date date) { return std::isfinite(date.secondsSinceReferenceDate); }

// The day to draw: the given one when its sunset comes after its sunrise, else the sample day in
// the given zone, so the length is never negative.
DaylightInfo shownDay(const DaylightInfo &data) {
  if (isFinite(data.sunrise) && isFinite(data.sunset) && data.sunset > data.sunrise)
    return data;
  DaylightInfo sample = DaylightInfo::sample();
  sample.timeZoneID = data.timeZoneID;
  return sample;
}

// Where `date` falls between sunrise (0) and sunset (1); before sunrise the sun waits at the
// start, after sunset at the end.
double sunProgress(const DaylightInfo &day, Date date) {
  double length = day.sunset.timeIntervalSince(day.sunrise);
  if (!(length > 0))
    return 0;
  double t = date.timeIntervalSince(day.sunrise) / length;
  if (!(t > 0))
    return 0;
  return t < 1 ? t : 1;
}

// "15h 40m": the length label holds only digits, signs, blanks and the letters H and M.
std::string lengthText(const DaylightInfo &day) {
  std::string text = day.lengthLabel();
  for (char &c : text)
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  return text;
}

} // namespace

View DaylightView::body() const {
  DaylightInfo day = shownDay(data);
  kit::foundation::TimeZone zone = day.placeTimeZone();
  auto sunTime = [&](const char *caption, Date time) {
    return MicroLabel(caption + ClockFormat::hhmm(time, zone), 9, 0.14, ZavelTokens::screenText3,
                      ctx);
  };
  return ScreenColumn(
      ctx, mediumColumn,
      {
          ScreenHeader("DAYLIGHT — " + day.place,
                       Text(lengthText(day)).font(ctx.mono(16, FontWeight::bold)), ctx),
          Spacer(0),
          SunArc(sunProgress(day, date), {.height = 110, .sunRadius = 7.5}, ctx),
          SpreadRow(VAlign::center,
                    {sunTime("SUNRISE ", day.sunrise), sunTime("SUNSET ", day.sunset)})
              .padding(Edge::top, 12 * ctx.u),
      });
}

} // namespace zavel
