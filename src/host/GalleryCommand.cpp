#include "host/CommandErrors.h"
#include "host/CommandLine.h"
#include "host/Commands.h"
#include "host/GalleryPage.h"
#include "host/OutputFiles.h"
#include "host/QuotedText.h"
#include "host/WidgetRendering.h"

#include <algorithm>

namespace zavel::host {

// Every widget's gallery snapshot and the index.html that shows them, in a folder.
int galleryCommand(Words words, CommandContext &context) {
  CommandLine line(words, {{"-o", true}}, 0, 0);
  std::filesystem::path folder = line.required("-o");
  if (folder == kStandardOutput)
    throw BadInput("the gallery is a folder of files; -o - (standard output) cannot hold it");
  std::error_code made, looked;
  std::filesystem::create_directories(folder, made);
  if (!std::filesystem::is_directory(folder, looked)) {
    auto error = made ? made : looked ? looked : std::make_error_code(std::errc::not_a_directory);
    throw CommandFailure("cannot make the folder " + quotedPath(folder) + ": " + error.message());
  }

  useShippedFonts(context);
  auto items = renderGallery(context.bundle, folder);
  auto pageError = writeOutputFile(folder / "index.html", galleryPage(items));
  auto failed = std::find_if(items.begin(), items.end(),
                             [](const GalleryItem &item) { return !item.written; });
  if (failed != items.end()) {
    auto missing =
        std::count_if(failed, items.end(), [](const GalleryItem &item) { return !item.written; });
    throw CommandFailure(std::to_string(missing) + " of " + std::to_string(items.size()) +
                         " pictures could not be written; the first: " + failed->failure);
  }
  if (pageError)
    throw CommandFailure(cannotWrite(folder / "index.html", pageError));
  return 0;
}

} // namespace zavel::host
