#pragma once

#include <cstdint>
#include <mutex>

namespace kit::ui {

// The process's fonts are one fontconfig configuration that every text engine shares. Changes to
// it and Pango's use of it are serialised by one lock, and every change bumps a generation, so an
// engine that resolved fonts before the change drops what it resolved.
std::unique_lock<std::mutex> lockFontConfiguration();

// Read and bumped under the lock.
std::uint64_t fontConfigurationGeneration();
void noteFontConfigurationChanged();

} // namespace kit::ui
