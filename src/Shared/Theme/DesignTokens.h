#pragma once

#include "Shared/Theme/ColorMixing.h"
#include "Shared/Theme/HexColor.h"
#include "kit/ui/Color.h"

// The named colours of the hardware look. Tokens that share a value stay separate names, so one
// can change without the other.
namespace zavel::ZavelTokens {

using kit::ui::Color;

// Accents; `signal` is the default.
inline constexpr Color signal = hexColor("#F25C05");
inline constexpr Color ember = hexColor("#E8452E");
inline constexpr Color teal = hexColor("#1CAEC2");
inline constexpr Color gold = hexColor("#E9B44C");

inline constexpr Color dataTeal = hexColor("#1CAEC2");
inline constexpr Color barDot = hexColor("#D8F5F8");
// Screen text, brightest first.
inline constexpr Color screenText1 = hexColor("#E8E8E6");
inline constexpr Color screenText2 = hexColor("#9A9D9F");
inline constexpr Color screenText3 = hexColor("#7E8286");
inline constexpr Color muted = hexColor("#5A5E61");
inline constexpr Color noteBody = hexColor("#C9C9C7");
inline constexpr Color dimNumeral = hexColor("#6E7275");
// The screen's gradient, top to bottom.
inline constexpr Color screenTop = hexColor("#141517");
inline constexpr Color screenBottom = hexColor("#0A0B0C");
inline constexpr Color screenChip = hexColor("#17191B");
inline constexpr Color dialFace = hexColor("#101113");
inline constexpr Color track = hexColor("#2A2D30");
inline constexpr Color trackFine = hexColor("#26292C");
inline constexpr Color hairlineRow = hexColor("#232628");
inline constexpr Color rowSeparator = hexColor("#1E2124");
inline constexpr Color dotFilled = hexColor("#4A4E52");
inline constexpr Color barGray = hexColor("#3A3D3F");
inline constexpr Color dashedRing = hexColor("#3A3D3F");
inline constexpr Color sunYellow = hexColor("#F2C14E");
inline constexpr Color sunIcon = hexColor("#E9B44C");
inline constexpr Color cloudGray = hexColor("#8F9498");
inline constexpr Color sunCoreA = hexColor("#F7D27A");
inline constexpr Color sunCoreB = hexColor("#E9A83E");
inline constexpr Color arcStroke = hexColor("#5A5E61");
inline constexpr Color moonFace = hexColor("#D2D3D1");
inline constexpr Color moonShadow = hexColor("#17181A");
// The graphite casing: gradient start and end, edge line, seams.
inline constexpr Color graphiteA = hexColor("#3A3A41");
inline constexpr Color graphiteB = hexColor("#1F1F24");
inline constexpr Color graphiteEdge = Color::rgb(1, 1, 1, 0.1);
inline constexpr Color graphiteSeam = Color::rgb(0, 0, 0, 0.52);
inline constexpr Color graphiteSeamHi = Color::rgb(1, 1, 1, 0.07);
// The cream casing likewise.
inline constexpr Color creamA = hexColor("#F0EDE6");
inline constexpr Color creamB = hexColor("#D8D4CB");
inline constexpr Color creamEdge = Color::rgb8(80, 68, 52, 0.45);
inline constexpr Color creamSeam = Color::rgb8(60, 50, 38, 0.28);
inline constexpr Color creamSeamHi = Color::rgb(1, 1, 1, 0.55);
// Keys.
inline constexpr Color keyFaceA = hexColor("#F5F2EC");
inline constexpr Color keyFaceB = hexColor("#D7D3CA");
inline constexpr Color keyEdge = Color::rgb8(35, 30, 24, 0.55);
inline constexpr Color keyInk = hexColor("#4B463C");
inline constexpr Color accentKeyEdge = Color::rgb8(35, 20, 5, 0.6);
// Blended into the accent on the accent key.
inline constexpr Color accentKeyMixTarget = hexColor("#FFD9A8");
inline constexpr Color accentKeyInnerDark = Color::rgb8(60, 20, 0, 0.3);
// Pills.
inline constexpr Color pillLitA = hexColor("#4A4E53");
inline constexpr Color pillLitB = hexColor("#3C4045");
inline constexpr Color pillInk = hexColor("#E8E8E6");

} // namespace zavel::ZavelTokens
