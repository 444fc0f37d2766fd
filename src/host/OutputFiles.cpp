#include "host/OutputFiles.h"

#include "host/CommandErrors.h"
#include "kit/events/AtomicFile.h"

namespace zavel::host {

// Not flushed to the disk: the host makes these again at will, and a render waits for no disk.
std::error_code writeOutputFile(const std::filesystem::path &path, std::string_view contents) {
  return kit::events::replaceFile(path, contents, kit::events::Durability::whole);
}

void writeOutputFileOrFail(const std::filesystem::path &path, std::string_view contents) {
  if (auto error = writeOutputFile(path, contents))
    throw CommandFailure(cannotWrite(path, error));
}

std::string cannotWrite(const std::filesystem::path &path, std::error_code error) {
  return "cannot write " + path.string() + ": " + error.message();
}

} // namespace zavel::host
