#include "FuzzSupport.h"
#include "Harnesses.h"

#include "Shared/Theme/HexColor.h"
#include "Shared/Theme/ThemeSettings.h"

namespace zavel::fuzz {

namespace {

bool inUnitRange(double value) { return value >= 0 && value <= 1; }

void checkColor(const kit::ui::Color &color) {
  require(inUnitRange(color.red) && inUnitRange(color.green) && inUnitRange(color.blue) &&
              inUnitRange(color.alpha),
          "a colour outside the unit range");
}

} // namespace

int fuzzThemeSettings(const std::uint8_t *data, std::size_t size) {
  fuzzingHome();
  std::string_view text = textOf(data, size);
  if (auto color = colorFromHexString(text))
    checkColor(*color);
  auto theme = kit::foundation::decodeJsonData<ThemeSettings>(text);
  if (!theme)
    return 0;
  checkColor(theme->accentColor());
  // Settings read field by field are stored whole again and read back the same.
  auto stored = kit::foundation::encodeJsonData(*theme);
  require(stored.has_value(), "theme settings that cannot be stored");
  require(kit::foundation::decodeJsonData<ThemeSettings>(*stored) == *theme,
          "stored theme settings read back otherwise");
  return 0;
}

} // namespace zavel::fuzz
