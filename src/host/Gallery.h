#pragma once

#include "kit/ui/Geometry.h"
#include "kit/widgets/WidgetBundle.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zavel::host {

// One widget of the gallery as drawn: its names, its picture's file name and size in points, the
// heading of its group (empty when it has none), and why its picture was not written (empty
// when it was).
struct GalleryItem {
  std::string section;
  std::string kind;
  std::string displayName;
  std::string description;
  std::string fileName;
  kit::ui::Size size;
  bool written = false;
  std::string failure;
};

// The picture's file name for a kind: the kind with ".png", characters unsafe in file names
// replaced by "_".
std::string snapshotFileName(std::string_view kind);

// Every widget's gallery snapshot (its default configuration in a preview context), drawn at
// `scale` in full colour and written into `folder`, several widgets at once. In gallery order.
// Each picture is written whole under a temporary name and then takes its own, so one that
// cannot be written leaves the earlier picture of its name as it was.
std::vector<GalleryItem> renderGallery(const kit::widgets::WidgetBundle &bundle,
                                       const std::filesystem::path &folder, double scale = 2);

} // namespace zavel::host
