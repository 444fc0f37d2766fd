#include "host/CommandErrors.h"
#include "host/CommandLine.h"
#include "host/Commands.h"
#include "host/Gallery.h"
#include "host/OutputFiles.h"
#include "host/QuotedText.h"
#include "host/WidgetRendering.h"
#include "kit/foundation/OwnerRights.h"

namespace zavel::host {

// Every widget's gallery snapshot and the index.html that shows them, in a folder.
int galleryCommand(Words words, CommandContext &context) {
  CommandLine line(words, {{"-o", true}}, 0, 0);
  std::filesystem::path folder = line.required("-o");
  if (folder == kStandardOutput)
    throw BadInput("the gallery is a folder of files; -o - (standard output) cannot hold it");
  {
    // The folder is an output, the invoker's.
    kit::foundation::InvokerRights invoker;
    std::error_code made, looked;
    std::filesystem::create_directories(folder, made);
    if (!std::filesystem::is_directory(folder, looked)) {
      auto error = made ? made : looked ? looked : std::make_error_code(std::errc::not_a_directory);
      throw CommandFailure("cannot make the folder " + quotedPath(folder) + ": " + error.message());
    }
  }

  useShippedFonts(context);
  writeGallery(context.bundle, folder);
  return 0;
}

} // namespace zavel::host
