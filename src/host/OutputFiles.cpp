#include "host/OutputFiles.h"

#include "host/CommandErrors.h"

#include <fstream>

namespace zavel::host {

void writeTextFile(const std::filesystem::path &path, std::string_view text) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(text.data(), std::streamsize(text.size()));
  file.close();
  if (!file)
    throw CommandFailure("cannot write " + path.string());
}

} // namespace zavel::host
