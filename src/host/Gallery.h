#pragma once

#include "kit/ui/Geometry.h"
#include "kit/widgets/WidgetBundle.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zavel::host {

// One widget of the gallery as drawn: its names, its picture's file name and size in points, and
// the heading of its group (empty when it has none).
struct GalleryItem {
  std::string section;
  std::string kind;
  std::string displayName;
  std::string description;
  std::string fileName;
  kit::ui::Size size;
  bool written = false;
};

// The picture's file name for a kind: the kind with ".png", characters unsafe in file names
// replaced by "_".
std::string snapshotFileName(std::string_view kind);

// Every widget's gallery snapshot (its default configuration in a preview context), drawn at
// `scale` in full colour and written into `folder`, several widgets at once. In gallery order.
std::vector<GalleryItem> renderGallery(const kit::widgets::WidgetBundle &bundle,
                                       const std::filesystem::path &folder, double scale = 2);

} // namespace zavel::host
