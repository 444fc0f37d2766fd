#pragma once

#include <string>
#include <vector>

namespace zavel {

// Asks for the widgets of each kind, in order, to be redrawn, then tells the host application
// that widget state changed ("com.brekholt.zavel.reloadwidgets"). Never fails visibly.
void reloadWidgetKinds(const std::vector<std::string> &kinds) noexcept;

} // namespace zavel
