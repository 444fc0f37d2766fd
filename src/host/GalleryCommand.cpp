#include "host/CommandErrors.h"
#include "host/CommandLine.h"
#include "host/Commands.h"
#include "host/GalleryPage.h"
#include "host/OutputFiles.h"

#include <algorithm>

namespace zavel::host {

// Every widget's gallery snapshot and the index.html that shows them, in a folder.
int galleryCommand(Words words, CommandContext &context) {
  CommandLine line(words, {{"-o", true}}, 0, 0);
  std::filesystem::path folder = line.required("-o");
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (!std::filesystem::is_directory(folder, error))
    throw CommandFailure("cannot make the folder " + folder.string());

  auto items = renderGallery(context.bundle, folder);
  writeTextFile(folder / "index.html", galleryPage(items));
  auto missing = std::count_if(items.begin(), items.end(),
                               [](const GalleryItem &item) { return !item.written; });
  if (missing > 0)
    throw CommandFailure(std::to_string(missing) + " of " + std::to_string(items.size()) +
                         " pictures could not be written");
  return 0;
}

} // namespace zavel::host
