#pragma once

#include <fontconfig/fontconfig.h>

#include <cstdint>
#include <mutex>

namespace kit::ui {

// The process's fonts are one fontconfig configuration that every text engine shares. Changes to
// it and Pango's use of it are serialised by one lock, and every change bumps a generation, so an
// engine that resolved fonts before the change drops what it resolved.
std::unique_lock<std::mutex> lockFontConfiguration();

// The configuration, made on first use and made current: the installed fonts and their caches,
// with DejaVu Sans behind every family for characters a face lacks, and bitmap faces (colour
// emoji) scaled to the size asked. The system's rule files are not read: parsing them cost more
// than drawing a widget, and the text engine sets its own hinting and antialiasing.
FcConfig *fontConfiguration();

// Read and bumped under the lock.
std::uint64_t fontConfigurationGeneration();
void noteFontConfigurationChanged();

} // namespace kit::ui
