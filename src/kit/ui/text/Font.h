#pragma once

#include <string>

namespace kit::ui {

// The nine weights of the platform's fonts, lightest first.
enum class FontWeight { ultraLight, thin, light, regular, medium, semibold, bold, heavy, black };
enum class FontWidth { standard, condensed };
enum class FontDesign { standard, rounded, monospaced, serif };

// A font request: the system font by size, weight, width and design, or a named face by family
// or PostScript name. Resolution to an installed face happens when text is measured; a face
// that is not installed falls back without failing.
struct Font {
  enum class Source { system, family, postScript };

  Source source = Source::system;
  std::string name; // family or PostScript name; empty for the system font
  double size = 17;
  FontWeight weight = FontWeight::regular;
  FontWidth width = FontWidth::standard;
  FontDesign design = FontDesign::standard;
  // A fixed-size face ignores the user's text size; here both render alike, but views say which.
  bool fixedSize = false;

  static Font system(double size, FontWeight weight = FontWeight::regular,
                     FontDesign design = FontDesign::standard) {
    return Font{Source::system, {}, size, weight, FontWidth::standard, design, false};
  }
  static Font family(std::string name, double size, FontWeight weight = FontWeight::regular) {
    return Font{Source::family,      std::move(name),      size, weight,
                FontWidth::standard, FontDesign::standard, false};
  }
  static Font postScript(std::string name, double size) {
    return Font{Source::postScript,  std::move(name),      size, FontWeight::regular,
                FontWidth::standard, FontDesign::standard, true};
  }

  Font withWeight(FontWeight w) const {
    Font f = *this;
    f.weight = w;
    return f;
  }
  Font withWidth(FontWidth w) const {
    Font f = *this;
    f.width = w;
    return f;
  }
  Font withSize(double s) const {
    Font f = *this;
    f.size = s;
    return f;
  }

  bool operator==(const Font &) const = default;
};

} // namespace kit::ui
