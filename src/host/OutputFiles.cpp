#include "host/OutputFiles.h"

#include "host/CommandErrors.h"
#include "kit/foundation/AtomicFile.h"
#include "kit/foundation/Descriptor.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace zavel::host {
namespace {

namespace fs = std::filesystem;
using kit::foundation::Descriptor;
using kit::foundation::lastError;
using kit::foundation::writeAll;

// More links than this in a row is a loop.
constexpr int kMostLinks = 40;

bool isOwnDescriptorFolder(const fs::path &folder) {
  std::error_code error;
  fs::path own = fs::canonical("/proc/self/fd", error);
  return !error && fs::canonical(folder.empty() ? "." : folder, error) == own && !error;
}

// The descriptor of this process that a name such as /dev/stdout, /dev/fd/1 or /proc/self/fd/1
// stands for, found by following the name's links; none for any other name. Such a name is the
// descriptor's own file (a pipe, a terminal, or the file a shell redirected to), which a
// replacement would miss or destroy.
std::optional<int> ownDescriptor(fs::path at) {
  for (int hop = 0; hop < kMostLinks; ++hop) {
    if (isOwnDescriptorFolder(at.parent_path())) {
      std::string name = at.filename().string();
      int number = -1;
      auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), number);
      if (error != std::errc() || end != name.data() + name.size())
        return std::nullopt;
      return number;
    }
    std::error_code error;
    if (!fs::is_symlink(at, error))
      return std::nullopt;
    fs::path target = fs::read_symlink(at, error);
    if (error)
      return std::nullopt;
    at = target.is_absolute() ? target : at.parent_path() / target;
  }
  return std::nullopt;
}

std::error_code connectTo(const fs::path &socketFile, Descriptor &connection) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string &name = socketFile.native();
  if (name.size() >= sizeof(address.sun_path))
    return std::make_error_code(std::errc::filename_too_long);
  std::memcpy(address.sun_path, name.c_str(), name.size() + 1);
  connection.fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (connection.fd < 0 ||
      ::connect(connection.fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0)
    return lastError();
  return {};
}

// A device or a FIFO is opened for writing (a FIFO waits for its reader, as a shell's redirection
// does); a socket is connected to.
std::error_code writeInto(const fs::path &path, std::string_view contents, bool socket) {
  Descriptor file;
  if (socket) {
    if (auto error = connectTo(path, file))
      return error;
  } else if (file.fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC); file.fd < 0) {
    return lastError();
  }
  if (auto error = writeAll(file.fd, contents, socket))
    return error;
  return file.close() ? std::error_code() : lastError();
}

bool isSocket(int fd) {
  struct stat status {};
  return ::fstat(fd, &status) == 0 && S_ISSOCK(status.st_mode);
}

} // namespace

// Not flushed to the disk: the host makes these again at will, and a render waits for no disk.
std::error_code writeOutputFile(const fs::path &path, std::string_view contents) {
  if (auto descriptor = ownDescriptor(path))
    return writeAll(*descriptor, contents, isSocket(*descriptor));
  struct stat status {};
  // A name nothing has yet, or a link that names nothing, is the replacement's to judge.
  if (::stat(path.c_str(), &status) != 0 || S_ISREG(status.st_mode))
    return kit::foundation::replaceFile(path, contents, kit::foundation::Durability::whole);
  if (S_ISDIR(status.st_mode))
    return std::make_error_code(std::errc::is_a_directory);
  return writeInto(path, contents, S_ISSOCK(status.st_mode));
}

void writeOutputFileOrFail(const fs::path &path, std::string_view contents) {
  if (auto error = writeOutputFile(path, contents))
    throw CommandFailure(cannotWrite(path, error));
}

void writeOutputOrFail(const std::string &name, std::string_view contents, std::ostream &out) {
  if (name != kStandardOutput)
    return writeOutputFileOrFail(name, contents);
  errno = 0;
  out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
  out.flush();
  if (!out)
    throw CommandFailure(std::string("cannot write to standard output") +
                         (errno ? std::string(": ") + std::strerror(errno) : ""));
}

std::string cannotWrite(const fs::path &path, std::error_code error) {
  if (error == std::errc::is_a_directory)
    return "cannot write " + path.string() + ": it is a folder; name a file in it";
  return "cannot write " + path.string() + ": " + error.message();
}

} // namespace zavel::host
