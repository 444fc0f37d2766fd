#pragma once

#include "kit/ui/Geometry.h"
#include "kit/widgets/WidgetBundle.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zavel::host {

// One widget of the gallery as drawn: its names, its picture's file name and size in points, the
// heading of its group (empty when it has none), and why its picture could not be written (empty
// when it could).
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
// `scale` in full colour, several widgets at once, and written into `folder` with the page that
// shows them, index.html; in gallery order. All or none: every picture is drawn and every file
// written whole under a temporary name before any takes its own, so a gallery that fails leaves
// the earlier files as they were. A failure thrown as CommandFailure, naming the first picture
// that could not be written and how many could not.
std::vector<GalleryItem> writeGallery(const kit::widgets::WidgetBundle &bundle,
                                      const std::filesystem::path &folder, double scale = 2);

} // namespace zavel::host
