#include "host/OutputFiles.h"

#include "host/CommandErrors.h"
#include "host/QuotedText.h"
#include "kit/foundation/AtomicFile.h"
#include "kit/foundation/Descriptor.h"
#include "kit/foundation/OwnerRights.h"

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
using kit::foundation::InvokerRights;
using kit::foundation::lastError;
using kit::foundation::writeAll;

// More links than this in a row is a loop.
constexpr int kMostLinks = 40;

bool isOwnDescriptorFolder(const fs::path &folder) {
  std::error_code error;
  fs::path own = fs::canonical("/proc/self/fd", error);
  return !error && fs::canonical(folder.empty() ? "." : folder, error) == own && !error;
}

// Where the link `at` points (a relative link from its own folder); none when `at` is no link.
std::optional<fs::path> linkTarget(const fs::path &at) {
  std::error_code error;
  if (!fs::is_symlink(at, error))
    return std::nullopt;
  fs::path target = fs::read_symlink(at, error);
  if (error)
    return std::nullopt;
  return target.is_absolute() ? target : at.parent_path() / target;
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
    auto target = linkTarget(at);
    if (!target)
      return std::nullopt;
    at = *target;
  }
  return std::nullopt;
}

// The name at the end of `path`'s chain of links, `path` itself when it is no link: for a link
// that names nothing, the file a shell's redirection through it would make.
std::optional<fs::path> endOfLinks(fs::path at) {
  for (int hop = 0; hop < kMostLinks; ++hop) {
    auto target = linkTarget(at);
    if (!target)
      return at;
    at = *target;
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

std::error_code writeToStream(std::ostream &out, std::string_view contents) {
  errno = 0;
  out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
  return flushOutput(out);
}

} // namespace

std::error_code flushOutput(std::ostream &out) {
  if (out)
    errno = 0;
  out.flush();
  if (out)
    return {};
  return errno ? lastError() : std::make_error_code(std::errc::io_error);
}

// Not flushed to the disk: the host makes these again at will, and a render waits for no disk.
std::error_code PreparedOutput::prepare(std::string name, std::string contents) {
  InvokerRights invoker;
  name_ = std::move(name);
  kind_ = Kind::replaced;
  const fs::path path = name_;
  auto replace = [&](const fs::path &file) {
    return replacement_.prepare(file, contents, kit::foundation::Durability::whole);
  };
  if (name_ == kStandardOutput) {
    kind_ = Kind::standardOutput;
  } else if (auto descriptor = ownDescriptor(path)) {
    kind_ = Kind::descriptor;
    descriptor_ = *descriptor;
  } else if (struct stat status{}; ::stat(path.c_str(), &status) != 0) {
    // Nothing there yet: a link that names nothing gets the file it names made.
    auto end = endOfLinks(path);
    return end ? replace(*end) : std::make_error_code(std::errc::too_many_symbolic_link_levels);
  } else if (S_ISREG(status.st_mode)) {
    return replace(path);
  } else if (S_ISDIR(status.st_mode)) {
    return std::make_error_code(std::errc::is_a_directory);
  } else {
    kind_ = S_ISSOCK(status.st_mode) ? Kind::socket : Kind::device;
  }
  contents_ = std::move(contents);
  return {};
}

PreparedOutput::~PreparedOutput() {
  InvokerRights invoker;
  replacement_ = {};
}

std::error_code PreparedOutput::finish(std::ostream &out) {
  InvokerRights invoker;
  switch (kind_) {
  case Kind::replaced:
    return replacement_.commit();
  case Kind::standardOutput:
    return writeToStream(out, contents_);
  case Kind::descriptor:
    return writeAll(descriptor_, contents_, isSocket(descriptor_));
  case Kind::device:
  case Kind::socket:
    return writeInto(name_, contents_, kind_ == Kind::socket);
  }
  return std::make_error_code(std::errc::invalid_argument);
}

std::string PreparedOutput::failure(std::error_code error) const {
  if (kind_ == Kind::standardOutput)
    return cannotWriteStandardOutput(error);
  return cannotWrite(name_, error);
}

void finishOutputsOrFail(std::vector<PreparedOutput> &outputs, std::ostream &out) {
  for (bool into : {true, false})
    for (PreparedOutput &output : outputs)
      if (output.writtenInto() == into)
        if (auto error = output.finish(out))
          throw CommandFailure(output.failure(error));
}

void writeOutputsOrFail(std::vector<std::pair<std::string, std::string>> outputs,
                        std::ostream &out) {
  std::vector<PreparedOutput> prepared(outputs.size());
  for (std::size_t i = 0; i < outputs.size(); ++i)
    if (auto error = prepared[i].prepare(outputs[i].first, std::move(outputs[i].second)))
      throw CommandFailure(prepared[i].failure(error));
  finishOutputsOrFail(prepared, out);
}

std::string cannotWriteStandardOutput(std::error_code error) {
  return "cannot write to standard output: " + error.message();
}

std::string cannotWrite(const fs::path &path, std::error_code error) {
  if (error == std::errc::is_a_directory)
    return "cannot write " + quotedPath(path) + ": it is a folder; name a file in it";
  return "cannot write " + quotedPath(path) + ": " + error.message();
}

namespace {

struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  bool operator==(const FileIdentity &) const = default;
};

// The file an output name reaches now, links followed; none when nothing is there.
std::optional<FileIdentity> existingFile(const std::string &name) {
  struct stat status {};
  int result =
      name == kStandardOutput ? ::fstat(STDOUT_FILENO, &status) : ::stat(name.c_str(), &status);
  if (result != 0)
    return std::nullopt;
  return FileIdentity{status.st_dev, status.st_ino};
}

// Where a write of a name nothing has yet makes its file, links and folders resolved.
fs::path placeToBe(const std::string &name) {
  fs::path end = endOfLinks(name).value_or(name);
  std::error_code error;
  fs::path place = fs::weakly_canonical(fs::absolute(end, error), error);
  return error ? fs::absolute(end, error).lexically_normal() : place;
}

} // namespace

bool sameOutput(const std::string &first, const std::string &second) {
  InvokerRights invoker;
  if (first == second)
    return true;
  auto firstFile = existingFile(first), secondFile = existingFile(second);
  if (firstFile || secondFile || first == kStandardOutput || second == kStandardOutput)
    return firstFile && firstFile == secondFile;
  return placeToBe(first) == placeToBe(second);
}

} // namespace zavel::host
